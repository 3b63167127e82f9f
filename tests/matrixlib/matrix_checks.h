#pragma once
// Shared helpers of the matrix library tests: small matrices from literals,
// tolerant comparison, and the routine calls several tests make.

#include "matrixlib/ztmath.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <cstring>
#include <initializer_list>
#include <vector>

using NEWMAT::ColumnVector;
using NEWMAT::Matrix;
using NEWMAT::RowVector;
using Cplx = std::complex<double>;

inline Matrix Mat(std::initializer_list<std::initializer_list<double>> rows) {
    Matrix m(int(rows.size()), rows.size() > 0 ? int(rows.begin()->size()) : 0);
    int k = 0;
    for (const auto& row : rows)
        for (double v : row)
            m(k / m.Ncols() + 1, k % m.Ncols() + 1) = v, ++k;
    return m;
}

inline Matrix Diag(const ColumnVector& d) {
    NEWMAT::DiagonalMatrix D(d.Nrows());
    D << d.Store();
    return D;
}

inline Matrix Eye(int n) {
    return NEWMAT::IdentityMatrix(n);
}

// Deterministic test matrix with entries in [−1, 1).
inline Matrix Sample(int r, int c, int seed) {
    int s = -seed;
    return Random(&s, r, c, -1.0, 1.0);
}

// Largest absolute elementwise difference; infinite when the shapes differ or
// an element differs by NaN, so a NaN result never passes for a near one.
inline double MaxDiff(const Matrix& a, const Matrix& b) {
    if (a.Nrows() != b.Nrows() || a.Ncols() != b.Ncols()) return INFINITY;
    double d = 0.0;
    for (int i = 1; i <= a.Nrows(); ++i)
        for (int j = 1; j <= a.Ncols(); ++j) {
            const double e = std::fabs(a(i, j) - b(i, j));
            if (std::isnan(e)) return INFINITY;
            d = std::fmax(d, e);
        }
    return d;
}

#define EXPECT_MATRIX_NEAR(a, b, tol) EXPECT_LE(MaxDiff((a), (b)), (tol))

// The same shape and the same bits in every element: a NaN equals itself,
// −0 differs from 0.
inline bool SameBits(const Matrix& a, const Matrix& b) {
    return a.Nrows() == b.Nrows() && a.Ncols() == b.Ncols() &&
           (a.Storage() == 0 || std::memcmp(a.Store(), b.Store(), sizeof(double) * a.Storage()) == 0);
}

// The statement must fail with the library's error carrying exactly text.
#define EXPECT_MATH_ERROR(statement, text)                                                         \
    do {                                                                                           \
        try {                                                                                      \
            statement;                                                                             \
            ADD_FAILURE() << #statement " did not fail";                                           \
        } catch (const ztmath::MathError& e) {                                                     \
            EXPECT_STREQ(e.what(), text);                                                          \
        }                                                                                          \
    } while (0)

// Eigenvalues of a general matrix: balancing, Hessenberg form, shifted QR.
inline std::vector<Cplx> Eigenvalues(Matrix M) {
    ColumnVector wr, wi;
    balanc(M);
    elmhes(M);
    hqr(M, wr, wi);
    std::vector<Cplx> out;
    for (int k = 1; k <= wr.Nrows(); ++k)
        out.emplace_back(wr(k), wi(k));
    return out;
}

struct SymmetricEigen {
    ColumnVector d;
    Matrix V;
    int rotations = 0;
};

inline SymmetricEigen Jacobi(Matrix A) {
    SymmetricEigen e;
    jacobi(A, e.d, e.V, e.rotations);
    return e;
}

struct LuFactors {
    Matrix L, U;
    RowVector index;
    int parity = 0;
};

inline LuFactors Lu(Matrix A) {
    LuFactors f;
    LuDcmp(A, f.index, f.parity);
    f.L = GetLowerLu(A);
    f.U = GetUpperLu(A);
    return f;
}

// Applies a matrix series routine (expMatrix, sinMatrix, cosMatrix) to a copy.
inline Matrix Series(void (*f)(Matrix&, double, int&), Matrix M, double tol, int* count = nullptr) {
    int terms = 0;
    f(M, tol, terms);
    if (count) *count = terms;
    return M;
}
