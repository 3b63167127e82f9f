// Gauss-Jordan elimination: row echelon form and linear systems.

#include "matrixlib/linear_solvers.h"
#include "matrixlib/lu_internal.h"
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

Matrix DoGauss(Matrix& M) {
    const int rows = M.Nrows();
    const int cols = M.Ncols();
    if (Count(M) == 0) return M;
    if (!AllFinite(M)) nrerror(kNonFinite);
    // Each row carries the magnitude its entries were computed from: rounding
    // residue is tiny relative to that, whatever the scale of the row. A
    // pivot row divided by its pivot takes the scale along, so a matrix of
    // large (or small) elements still reduces to entries of order 1.
    const double eps = std::max(rows, cols) * std::numeric_limits<double>::epsilon();
    std::vector<double> scale(rows, 0.0);
    View m(M);
    for (int i = 1; i <= rows; ++i)
        for (int j = 1; j <= cols; ++j)
            scale[i - 1] = std::max(scale[i - 1], std::fabs(m(i, j)));
    auto negligible = [&](int i, double x) { return std::fabs(x) <= eps * scale[i - 1]; };
    int r = 1;
    for (int c = 1; c <= cols && r <= rows; ++c) {
        int p = 0;
        for (int i = r; i <= rows; ++i)
            if (!negligible(i, m(i, c)) && (p == 0 || std::fabs(m(i, c)) > std::fabs(m(p, c))))
                p = i;
        if (p == 0) {
            for (int i = r; i <= rows; ++i)
                m(i, c) = 0.0;
            continue;
        }
        SwapRows(m, p, r, cols);
        std::swap(scale[p - 1], scale[r - 1]);
        const double pivot = m(r, c);
        for (int j = c; j <= cols; ++j)
            m(r, j) /= pivot;
        m(r, c) = 1.0;
        scale[r - 1] /= std::fabs(pivot);
        for (int i = 1; i <= rows; ++i) {
            if (i == r) continue;
            const double f = m(i, c);
            if (f == 0.0) continue;
            for (int j = c; j <= cols; ++j)
                m(i, j) -= f * m(r, j);
            m(i, c) = 0.0;
            scale[i - 1] = std::max(scale[i - 1], std::fabs(f) * scale[r - 1]);
        }
        ++r;
    }
    for (int i = 1; i <= rows; ++i)
        for (int j = 1; j <= cols; ++j)
            if (negligible(i, m(i, j))) m(i, j) = 0.0;
    return M;
}

void GetGaussJSolVec(const Matrix& A, Matrix& B) {
    RequireSquare(A);
    const int n = A.Nrows();
    if (B.Nrows() != n) nrerror(kSizeMismatch);
    if (n == 0) return;
    if (!AllFinite(A)) nrerror(kNonFinite);
    const int m = B.Ncols();
    const double tiny = PivotTolerance(A);
    Matrix W = A;
    // B is replaced only once the solve has succeeded.
    Matrix X = B;
    View a(W);
    View b(X);
    for (int k = 1; k <= n; ++k) {
        int p = k;
        for (int i = k + 1; i <= n; ++i)
            if (std::fabs(a(i, k)) > std::fabs(a(p, k))) p = i;
        if (!(std::fabs(a(p, k)) > tiny)) nrerror(kSingular);
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
