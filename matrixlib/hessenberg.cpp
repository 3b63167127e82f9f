// Reduction to upper Hessenberg form by Gaussian similarity transforms with
// pivoting (each elimination multiplier is at most 1 in magnitude).

#include "matrixlib/eigen.h"
#include "matrixlib/matrix_view.h"

#include <cmath>
#include <utility>

using namespace ztmath::detail;

void elmhes(Matrix& M) {
    RequireSquare(M);
    const int n = M.Nrows();
    View a(M);
    for (int col = 1; col + 2 <= n; ++col) {
        const int target = col + 1;
        int pivotRow = target;
        for (int i = target + 1; i <= n; ++i)
            if (std::fabs(a(i, col)) > std::fabs(a(pivotRow, col))) pivotRow = i;
        // The swap of rows and of columns together is a similarity transform.
        if (pivotRow != target) {
            for (int j = 1; j <= n; ++j)
                std::swap(a(pivotRow, j), a(target, j));
            for (int i = 1; i <= n; ++i)
                std::swap(a(i, pivotRow), a(i, target));
        }
        const double pivot = a(target, col);
        for (int i = target + 1; i <= n; ++i) {
            const double below = a(i, col);
            a(i, col) = 0.0;
            if (below == 0.0 || pivot == 0.0 || !std::isfinite(below / pivot)) continue;
            const double f = below / pivot;
            // row_i -= f·row_target, then column_target += f·column_i (inverse
            // transform on the right).
            for (int j = target; j <= n; ++j)
                a(i, j) -= f * a(target, j);
            for (int r = 1; r <= n; ++r)
                a(r, target) += f * a(r, i);
        }
    }
}
