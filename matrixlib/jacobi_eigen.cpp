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

// Rotation in the (p, q) plane that zeroes a(p, q) of the symmetric A; the
// rotation also accumulates into V.
void Rotate(const View& a, const View& v, int n, int p, int q) {
    const double apq = a(p, q);
    const double theta = (a(q, q) - a(p, p)) / (2.0 * apq);
    // t = tan of the rotation angle, the smaller root of t² + 2θt − 1 = 0.
    double t;
    if (std::fabs(theta) > 1e150)
        t = 0.5 / theta;
    else
        t = std::copysign(1.0, theta) / (std::fabs(theta) + std::sqrt(theta * theta + 1.0));
    const double c = 1.0 / std::sqrt(t * t + 1.0);
    const double s = t * c;
    for (int k = 1; k <= n; ++k) {
        const double akp = a(k, p);
        const double akq = a(k, q);
        a(k, p) = c * akp - s * akq;
        a(k, q) = s * akp + c * akq;
    }
    for (int k = 1; k <= n; ++k) {
        const double apk = a(p, k);
        const double aqk = a(q, k);
        a(p, k) = c * apk - s * aqk;
        a(q, k) = s * apk + c * aqk;
    }
    a(p, q) = 0.0;
    a(q, p) = 0.0;
    for (int k = 1; k <= n; ++k) {
        const double vkp = v(k, p);
        const double vkq = v(k, q);
        v(k, p) = c * vkp - s * vkq;
        v(k, q) = s * vkp + c * vkq;
    }
}

void SortAscending(ColumnVector& d, Matrix& V) {
    const int n = d.Nrows();
    std::vector<int> order(n);
    std::iota(order.begin(), order.end(), 1);
    std::stable_sort(order.begin(), order.end(), [&d](int x, int y) { return d(x) < d(y); });
    ColumnVector ds(n);
    Matrix Vs(n, n);
    View vs(Vs);
    View v(V);
    for (int k = 1; k <= n; ++k) {
        ds(k) = d(order[k - 1]);
        for (int i = 1; i <= n; ++i)
            vs(i, k) = v(i, order[k - 1]);
    }
    d = ds;
    V = Vs;
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
    View v(V);
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
                Rotate(a, v, n, p, q);
                ++nrot;
            }
    }
    for (int k = 1; k <= n; ++k)
        d(k) = a(k, k);
    SortAscending(d, V);
    if (composite) ArrangeCompositeEigenvectors(d, V);
}
