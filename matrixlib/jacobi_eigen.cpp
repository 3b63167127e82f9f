// Eigenpairs of a real symmetric matrix by cyclic Jacobi rotations: each
// rotation zeroes one off-diagonal pair; sweeps repeat until the
// off-diagonal part is negligible.

#include "matrixlib/composite_eigenvectors.h"
#include "matrixlib/eigen.h"
#include "matrixlib/matrix_view.h"
#include "matrixlib/predicates.h"
#include "matrixlib/zt_error.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>
#include <vector>

using namespace ztmath::detail;

namespace {

constexpr int kMaxSweeps = 50;

// Sum of the squared off-diagonal elements divided by scale², so that it
// neither overflows nor underflows for matrices of extreme magnitude.
double OffDiagonalSquares(const View& a, int n, double scale) {
    double sum = 0.0;
    for (int p = 1; p < n; ++p)
        for (int q = p + 1; q <= n; ++q) {
            const double x = a(p, q) / scale;
            sum += x * x;
        }
    return sum;
}

// x, y := c·x − s·y, s·x + c·y, element by element along two rows.
void RotatePair(double* x, double* y, int n, double c, double s) {
    for (int k = 0; k < n; ++k) {
        const double xk = x[k];
        const double yk = y[k];
        x[k] = c * xk - s * yk;
        y[k] = s * xk + c * yk;
    }
}

// Rotation in the (p, q) plane that zeroes a(p, q) of the symmetric A, kept
// exactly symmetric; the rotation also accumulates into V, held transposed
// (vt). Rows p and q are updated in place and columns p and q receive the
// same values: for k other than p and q, the new a(k, p) is the new a(p, k)
// by symmetry. Every inner loop runs along rows.
void Rotate(const View& a, const View& vt, int n, int p, int q) {
    const double app = a(p, p);
    const double aqq = a(q, q);
    const double apq = a(p, q);
    const double theta = (aqq - app) / (2.0 * apq);
    // t = tan of the rotation angle, the smaller root of t² + 2θt − 1 = 0.
    double t;
    if (std::fabs(theta) > 1e150)
        t = 0.5 / theta;
    else
        t = std::copysign(1.0, theta) / (std::fabs(theta) + std::sqrt(theta * theta + 1.0));
    const double c = 1.0 / std::sqrt(t * t + 1.0);
    const double s = t * c;
    // The 2 x 2 block: columns first, then rows, as the whole rotation goes.
    const double app1 = c * app - s * apq;
    const double aqp1 = c * apq - s * aqq;
    const double apq1 = s * app + c * apq;
    const double aqq1 = s * apq + c * aqq;
    double* const rowP = &a(p, 1);
    double* const rowQ = &a(q, 1);
    RotatePair(rowP, rowQ, n, c, s);
    a(p, p) = c * app1 - s * aqp1;
    a(q, q) = s * apq1 + c * aqq1;
    a(p, q) = 0.0;
    a(q, p) = 0.0;
    const auto mirror = [&](int from, int to) {
        for (int k = from; k < to; ++k) {
            a(k, p) = rowP[k - 1];
            a(k, q) = rowQ[k - 1];
        }
    };
    mirror(1, p);
    mirror(p + 1, q);
    mirror(q + 1, n + 1);
    RotatePair(&vt(p, 1), &vt(q, 1), n, c, s);
}

// Sorts the eigenvalues ascending and the eigenvectors, the rows of vt,
// with them; V is vt turned back.
void SortAscending(ColumnVector& d, const Matrix& vt, Matrix& V) {
    const int n = d.Nrows();
    std::vector<int> order(n);
    std::iota(order.begin(), order.end(), 1);
    std::stable_sort(order.begin(), order.end(), [&d](int x, int y) { return d(x) < d(y); });
    ColumnVector ds(n);
    Matrix sorted(n, n);
    for (int k = 1; k <= n; ++k) {
        ds(k) = d(order[k - 1]);
        const double* row = vt.Store() + static_cast<long>(order[k - 1] - 1) * n;
        std::copy(row, row + n, sorted.Store() + static_cast<long>(k - 1) * n);
    }
    d = ds;
    V = sorted.t();
}

} // namespace

void jacobi(Matrix& A, ColumnVector& d, Matrix& V, int& nrot) {
    RequireSquare(A);
    const int n = A.Nrows();
    nrot = 0;
    d.ReSize(n);
    V = Identity(n);
    if (n == 0) return;
    if (!AllFinite(A)) nrerror(kNonFinite);
    View a(A);
    // Work on the symmetric matrix given by the upper triangle.
    for (int p = 1; p <= n; ++p)
        for (int q = p + 1; q <= n; ++q)
            a(q, p) = a(p, q);
    const bool composite = IsComposite(A) != 0;
    // The eigenvectors gather in the rows of `transposed`, turned back once
    // at the end.
    Matrix transposed = Identity(n);
    View vt(transposed);
    // Rotations keep the Frobenius norm, so the largest element of the
    // input bounds every element met later.
    const double largest = MaxAbs(A);
    const double scale = largest > 0.0 ? largest : 1.0;
    double frob = 0.0;
    for (int p = 1; p <= n; ++p)
        for (int q = 1; q <= n; ++q) {
            const double x = a(p, q) / scale;
            frob += x * x;
        }
    const double eps = std::numeric_limits<double>::epsilon();
    const double negligible = eps * eps * frob;
    int sweep = 0;
    while (OffDiagonalSquares(a, n, scale) > negligible) {
        if (++sweep > kMaxSweeps) nrerror("Too many iterations in jacobi");
        for (int p = 1; p < n; ++p)
            for (int q = p + 1; q <= n; ++q) {
                const double apq = std::fabs(a(p, q));
                if (apq == 0.0) continue;
                // Once a(p, q) no longer changes the diagonal in double precision it
                // is dropped instead of rotated.
                if (sweep > 3 && std::fabs(a(p, p)) + 100.0 * apq == std::fabs(a(p, p)) &&
                    std::fabs(a(q, q)) + 100.0 * apq == std::fabs(a(q, q))) {
                    a(p, q) = 0.0;
                    a(q, p) = 0.0;
                    continue;
                }
                Rotate(a, vt, n, p, q);
                ++nrot;
            }
    }
    for (int k = 1; k <= n; ++k)
        d(k) = a(k, k);
    SortAscending(d, transposed, V);
    if (composite) ArrangeCompositeEigenvectors(d, V);
}
