// Reduction to upper Hessenberg form by Gaussian similarity transforms with
// pivoting (each elimination multiplier is at most 1 in magnitude).
//
// Step col eliminates column col below the subdiagonal: with the multipliers
// f_i = a(i, col)/a(col+1, col), row i loses f_i times row col+1 (from the
// left), and column col+1 gains f_i times column i (from the right). The
// multipliers come from column col, which neither half changes, so all left
// updates run first and the right update is one dot product per row; both
// walk rows of the row-major store.

#include "matrixlib/eigen.h"
#include "matrixlib/matrix_view.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

using namespace ztmath::detail;

void elmhes(Matrix& M) {
    RequireSquare(M);
    const int n = M.Nrows();
    View a(M);
    std::vector<double> f(n + 1, 0.0);
    for (int col = 1; col + 2 <= n; ++col) {
        const int target = col + 1;
        int pivotRow = target;
        for (int i = target + 1; i <= n; ++i)
            if (std::fabs(a(i, col)) > std::fabs(a(pivotRow, col))) pivotRow = i;
        // The swap of rows and of columns together is a similarity transform.
        if (pivotRow != target) {
            std::swap_ranges(&a(pivotRow, 1), &a(pivotRow, 1) + n, &a(target, 1));
            for (int i = 1; i <= n; ++i)
                std::swap(a(i, pivotRow), a(i, target));
        }
        const double pivot = a(target, col);
        bool any = false;
        for (int i = target + 1; i <= n; ++i) {
            const double below = a(i, col);
            a(i, col) = 0.0;
            f[i] = 0.0;
            if (below == 0.0 || pivot == 0.0 || !std::isfinite(below / pivot)) continue;
            f[i] = below / pivot;
            any = true;
        }
        if (!any) continue;
        const double* pivotRowStore = &a(target, 1);
        for (int i = target + 1; i <= n; ++i) {
            if (f[i] == 0.0) continue;
            double* row = &a(i, 1);
            for (int j = target; j <= n; ++j)
                row[j - 1] -= f[i] * pivotRowStore[j - 1];
        }
        for (int r = 1; r <= n; ++r) {
            const double* row = &a(r, 1);
            double gain = 0.0;
            for (int i = target + 1; i <= n; ++i)
                gain += f[i] * row[i - 1];
            a(r, target) += gain;
        }
    }
}
