// LU factorisation with partial pivoting and the solver built on it.

#include "matrixlib/linear_solvers.h"
#include "matrixlib/lu_internal.h"
#include "matrixlib/matrix_view.h"
#include "matrixlib/zt_error.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

using namespace ztmath::detail;

namespace ztmath::detail {

double PivotTolerance(const Matrix& A) {
    return A.Nrows() * std::numeric_limits<double>::epsilon() * MaxAbs(A);
}

void FactorInPlace(Matrix& M, std::vector<int>& swaps, int& parity) {
    RequireSquare(M);
    const int n = M.Nrows();
    swaps.assign(n + 1, 0);
    parity = 1;
    if (n == 0) return;
    if (!AllFinite(M)) nrerror(kNonFinite);
    const double tiny = PivotTolerance(M);
    double* a = M.Store();
    auto at = [a, n](int i, int j) -> double& { return a[(i - 1) * n + (j - 1)]; };
    for (int k = 1; k <= n; ++k) {
        int p = k;
        double big = std::fabs(at(k, k));
        for (int i = k + 1; i <= n; ++i)
            if (std::fabs(at(i, k)) > big) {
                big = std::fabs(at(i, k));
                p = i;
            }
        if (big <= tiny) nrerror(kSingular);
        swaps[k] = p;
        if (p != k) {
            std::swap_ranges(&at(p, 1), &at(p, 1) + n, &at(k, 1));
            parity = -parity;
        }
        const double pivot = at(k, k);
        for (int i = k + 1; i <= n; ++i) {
            const double f = (at(i, k) /= pivot);
            if (f == 0.0) continue;
            double* ri = &at(i, 1);
            const double* rk = &at(k, 1);
            for (int j = k + 1; j <= n; ++j)
                ri[j - 1] -= f * rk[j - 1];
        }
    }
}

void SolveFactored(const Matrix& LU, const std::vector<int>& swaps, Matrix& B) {
    const int n = LU.Nrows();
    const int m = B.Ncols();
    if (n == 0 || m == 0) return;
    ConstView lu(LU);
    View b(B);
    for (int k = 1; k <= n; ++k)
        if (swaps[k] != k)
            for (int j = 1; j <= m; ++j)
                std::swap(b(k, j), b(swaps[k], j));
    for (int i = 2; i <= n; ++i)
        for (int k = 1; k < i; ++k) {
            const double f = lu(i, k);
            if (f != 0.0)
                for (int j = 1; j <= m; ++j)
                    b(i, j) -= f * b(k, j);
        }
    for (int i = n; i >= 1; --i) {
        for (int k = i + 1; k <= n; ++k) {
            const double f = lu(i, k);
            if (f != 0.0)
                for (int j = 1; j <= m; ++j)
                    b(i, j) -= f * b(k, j);
        }
        const double d = lu(i, i);
        for (int j = 1; j <= m; ++j)
            b(i, j) /= d;
    }
}

} // namespace ztmath::detail

void LuDcmp(Matrix& M, RowVector& index, int& parity) {
    std::vector<int> swaps;
    FactorInPlace(M, swaps, parity);
    const int n = M.Nrows();
    index.ReSize(n);
    for (int i = 1; i <= n; ++i)
        index(i) = swaps[i];
}

Matrix GetLowerLu(const Matrix& C) {
    const int rows = C.Nrows();
    const int k = std::min(rows, C.Ncols());
    Matrix L = Zeros(rows, k);
    ConstView c(C);
    View l(L);
    for (int i = 1; i <= rows; ++i)
        for (int j = 1; j <= std::min(i, k); ++j)
            l(i, j) = i == j ? 1.0 : c(i, j);
    return L;
}

Matrix GetUpperLu(const Matrix& C) {
    const int cols = C.Ncols();
    const int k = std::min(C.Nrows(), cols);
    Matrix U = Zeros(k, cols);
    ConstView c(C);
    View u(U);
    for (int i = 1; i <= k; ++i)
        for (int j = i; j <= cols; ++j)
            u(i, j) = c(i, j);
    return U;
}

void GetLuSolVec(const Matrix& A, Matrix& B) {
    RequireSquare(A);
    if (B.Nrows() != A.Nrows()) nrerror(kSizeMismatch);
    Matrix LU = A;
    std::vector<int> swaps;
    int parity = 1;
    FactorInPlace(LU, swaps, parity);
    SolveFactored(LU, swaps, B);
}

namespace ztmath::detail {

Matrix Inverse(const Matrix& A) {
    Matrix X = Identity(A.Nrows());
    GetLuSolVec(A, X);
    return X;
}

} // namespace ztmath::detail
