// LU factorisation with partial pivoting and the solver built on it.

#include "matrixlib/linear_solvers.h"
#include "matrixlib/lu_factors.h"
#include "matrixlib/matrix_view.h"
#include "matrixlib/zt_error.h"

#include <algorithm>
#include <vector>

using namespace ztmath::detail;

void LuDcmp(Matrix& M, RowVector& index, int& parity) {
    const LuFactors factors(M, Exchanges::Rows);
    std::vector<int> swaps;
    factors.Compact(M, swaps);
    parity = factors.Parity();
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
    LuFactors(A).Solve(B);
}

Matrix Inverse(const Matrix& A) {
    return LuFactors(A).Inverse();
}

double Determinant(const Matrix& A) {
    const LuFactors factors(A);
    if (!factors.Finite()) nrerror(kNonFinite);
    return factors.Determinant();
}

// The determinant scales the inverse as mantissa and exponent: the adjugate
// is often representable where the determinant alone over- or underflows.
Matrix Adjugate(const Matrix& A) {
    const LuFactors factors(A);
    Matrix adjugate = factors.Inverse();
    const ScaledProduct det = factors.DeterminantProduct();
    double* element = adjugate.Store();
    for (long k = 0; k < Count(adjugate); ++k)
        element[k] = det.Scale(element[k]);
    return adjugate;
}
