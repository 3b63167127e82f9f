// Gauss-Jordan elimination: row echelon form and linear systems.

#include "matrixlib/linear_solvers.h"
#include "matrixlib/lu_factors.h"
#include "matrixlib/matrix_view.h"
#include "matrixlib/zt_error.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

using namespace ztmath::detail;

namespace {

void SwapRows(View& v, int a, int b, int cols) {
    for (int j = 1; j <= cols; ++j)
        std::swap(v(a, j), v(b, j));
}

} // namespace

// One tolerance for the whole matrix, from the input: a column whose
// remaining elements are all within it has no pivot, and those elements are
// rounding residue of the rows above (or exact zeros), never multipliers.
Matrix DoGauss(Matrix& M, EliminationObserver* observer) {
    const int rows = M.Nrows();
    const int cols = M.Ncols();
    if (Count(M) == 0) return M;
    if (!AllFinite(M)) nrerror(kNonFinite);
    const double tol =
        std::max(rows, cols) * std::numeric_limits<double>::epsilon() * InfinityNorm(M);
    View m(M);
    int r = 1;
    for (int c = 1; c <= cols && r <= rows; ++c) {
        int p = r;
        for (int i = r + 1; i <= rows; ++i)
            if (std::fabs(m(i, c)) > std::fabs(m(p, c))) p = i;
        if (!(std::fabs(m(p, c)) > tol)) {
            bool cleared = false;
            for (int i = r; i <= rows; ++i) {
                cleared = cleared || m(i, c) != 0.0;
                m(i, c) = 0.0;
            }
            if (observer && cleared) observer->ResidueCleared(c, r, M);
            continue;
        }
        SwapRows(m, p, r, cols);
        if (observer && p != r) observer->RowsSwapped(r, p, M);
        const double pivot = m(r, c);
        for (int j = c + 1; j <= cols; ++j)
            m(r, j) /= pivot;
        m(r, c) = 1.0;
        if (observer && pivot != 1.0) observer->RowDivided(r, pivot, M);
        // Each other row takes f times the rest of the pivot row, a loop
        // over two plain arrays.
        const double* const pivotRest = &m(r, c) + 1;
        const int rest = cols - c;
        for (int i = 1; i <= rows; ++i) {
            if (i == r) continue;
            double* const row = &m(i, c);
            const double f = row[0];
            if (f == 0.0) continue;
            for (int j = 0; j < rest; ++j)
                row[j + 1] -= f * pivotRest[j];
            row[0] = 0.0;
            if (observer) observer->RowSubtracted(i, f, r, M);
        }
        ++r;
    }
    return M;
}

void GetGaussJSolVec(const Matrix& A, Matrix& B) {
    RequireSquare(A);
    const int n = A.Nrows();
    if (B.Nrows() != n) nrerror(kSizeMismatch);
    if (n == 0) return;
    if (!AllFinite(A)) nrerror(kNonFinite);
    // The library's one singularity rule decides, from an LU of A; the
    // elimination below then meets the same pivots.
    if (LuFactors(A).Singular()) nrerror(kSingular);
    const int m = B.Ncols();
    Matrix W = A;
    // B is replaced only once the solve has succeeded.
    Matrix X = B;
    View a(W);
    View b(X);
    for (int k = 1; k <= n; ++k) {
        int p = k;
        for (int i = k + 1; i <= n; ++i)
            if (std::fabs(a(i, k)) > std::fabs(a(p, k))) p = i;
        if (a(p, k) == 0.0) nrerror(kSingular);
        if (p != k) {
            SwapRows(a, p, k, n);
            SwapRows(b, p, k, m);
        }
        const double pivot = a(k, k);
        for (int j = k; j <= n; ++j)
            a(k, j) /= pivot;
        for (int j = 1; j <= m; ++j)
            b(k, j) /= pivot;
        for (int i = 1; i <= n; ++i) {
            if (i == k) continue;
            const double f = a(i, k);
            if (f == 0.0) continue;
            for (int j = k; j <= n; ++j)
                a(i, j) -= f * a(k, j);
            for (int j = 1; j <= m; ++j)
                b(i, j) -= f * b(k, j);
        }
    }
    B = X;
}
