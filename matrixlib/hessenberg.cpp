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
#include "matrixlib/vector_clones.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

using namespace ztmath::detail;

namespace {

constexpr int kRowsAtOnce = 8;

// Column target of rows first .. first+G−1 gains Σ f_i·a(r, i) over
// i > target. The G sums run side by side, so the adder is not left
// waiting on one sum, and each runs in the order it would alone.
template <int G>
void AddRightUpdate(const View& a, int first, int target, int n, const double* __restrict f) {
    const double* rows[G];
    double gain[G];
    for (int g = 0; g < G; ++g) {
        rows[g] = &a(first + g, 1);
        gain[g] = 0.0;
    }
    for (int i = target + 1; i <= n; ++i)
        for (int g = 0; g < G; ++g)
            gain[g] += f[i] * rows[g][i - 1];
    for (int g = 0; g < G; ++g)
        a(first + g, target) += gain[g];
}

// Rows below `target` lose f_i times row `target`, and column `target`
// gains the multiples of the columns after it: one elimination step and its
// similarity completion.
ZT_VECTOR_CLONES
void Eliminate(const View& a, int target, int n, const double* f) {
    const double* pivotRowStore = &a(target, 1);
    for (int i = target + 1; i <= n; ++i) {
        if (f[i] == 0.0) continue;
        double* row = &a(i, 1);
        for (int j = target; j <= n; ++j)
            row[j - 1] -= f[i] * pivotRowStore[j - 1];
    }
    int r = 1;
    for (; r + kRowsAtOnce - 1 <= n; r += kRowsAtOnce)
        AddRightUpdate<kRowsAtOnce>(a, r, target, n, f);
    for (; r <= n; ++r)
        AddRightUpdate<1>(a, r, target, n, f);
}

} // namespace

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
        Eliminate(a, target, n, f.data());
    }
}
