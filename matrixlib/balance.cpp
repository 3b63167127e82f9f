// Balancing by powers of two (Parlett and Reinsch): each row and its column
// are scaled so that their off-diagonal norms come close, which makes the
// eigenvalue routines more accurate without changing the eigenvalues.

#include "matrixlib/eigen.h"
#include "matrixlib/matrix_view.h"

#include <cmath>

using namespace ztmath::detail;

namespace {

// A sweep that still improves a row/column pair by less than this factor
// counts as converged.
constexpr double kWorthwhile = 0.95;
// Bounds the sweeps for inputs whose norms never settle (extreme ranges).
constexpr int kMaxSweeps = 200;

// The power of two f that brings colNorm·f and rowNorm/f closest.
double ScaleFor(double colNorm, double rowNorm) {
    double f = 1.0;
    double c = colNorm;
    const double low = rowNorm / 2.0;
    const double high = rowNorm * 2.0;
    while (c < low && std::isfinite(c)) {
        f *= 2.0;
        c *= 4.0;
    }
    while (c > high && c > 0.0) {
        f /= 2.0;
        c /= 4.0;
    }
    return f;
}

} // namespace

void balanc(Matrix& M) {
    RequireSquare(M);
    const int n = M.Nrows();
    View a(M);
    bool changed = true;
    for (int sweep = 0; changed && sweep < kMaxSweeps; ++sweep) {
        changed = false;
        for (int i = 1; i <= n; ++i) {
            double colNorm = 0.0;
            double rowNorm = 0.0;
            for (int j = 1; j <= n; ++j) {
                if (j == i) continue;
                colNorm += std::fabs(a(j, i));
                rowNorm += std::fabs(a(i, j));
            }
            if (!(colNorm > 0.0 && rowNorm > 0.0) || !std::isfinite(colNorm + rowNorm)) continue;
            const double f = ScaleFor(colNorm, rowNorm);
            if (!std::isfinite(f) || f == 0.0) continue;
            if ((colNorm * f + rowNorm / f) < kWorthwhile * (colNorm + rowNorm)) {
                changed = true;
                for (int j = 1; j <= n; ++j)
                    a(i, j) /= f;
                for (int j = 1; j <= n; ++j)
                    a(j, i) *= f;
            }
        }
    }
}
