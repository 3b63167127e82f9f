// Eigenvalues of an upper Hessenberg matrix by the implicit double-shift QR
// iteration. The active block l..hi shrinks from the bottom as one real
// eigenvalue or a 2 × 2 block (a real pair or a complex-conjugate pair)
// splits off; only the active block is transformed, since the eigenvalues
// alone are wanted.
//
// Defective and nilpotent matrices are the hard case: their eigenvalues
// converge only linearly, the diagonal tends to zero with the subdiagonal,
// and a test relative to the neighbouring diagonal never fires. Three
// measures make them converge: the real shift is the eigenvalue of the
// trailing 2 × 2 nearer the corner, used twice; exceptional shifts come
// every kExceptionalEvery iterations, alternating between the top and the
// bottom of the block; and the subdiagonal test, relative to the
// neighbouring diagonal, falls back on the next subdiagonals where that
// diagonal is zero. The iteration budget covers the whole matrix and grows
// with its order.

#include "matrixlib/eigen.h"
#include "matrixlib/matrix_view.h"
#include "matrixlib/vector_clones.h"
#include "matrixlib/power_of_two_scaling.h"
#include "matrixlib/zt_error.h"

#include <algorithm>
#include <cmath>
#include <limits>

using namespace ztmath::detail;

namespace {

constexpr double kEps = std::numeric_limits<double>::epsilon();
constexpr int kExceptionalEvery = 10;
// Iterations without a split after which a subdiagonal negligible against
// the whole matrix also counts as zero. Not needed by any matrix tried so
// far; it keeps a stubborn block from using up the budget, and comes late
// enough not to cost small eigenvalues accuracy where the local test works.
constexpr int kNormTestAfter = 30;

// The two shifts of a double step: sr ± i·si for a complex pair, or two real
// shifts sr1 and sr2 (si = 0).
struct Shifts {
    double sr1, si1, sr2, si2;
};

// Smallest k in l+1..hi whose subdiagonal a(k, k−1) is negligible, scanning
// up from hi; l when the block is unreduced. A negligible entry becomes 0.
int FindSplit(const View& a, int l, int hi, double normFloor) {
    for (int k = hi; k > l; --k) {
        const double sub = std::fabs(a(k, k - 1));
        double near = std::fabs(a(k - 1, k - 1)) + std::fabs(a(k, k));
        if (near == 0.0) {
            if (k - 2 >= l) near += std::fabs(a(k - 1, k - 2));
            if (k + 1 <= hi) near += std::fabs(a(k + 1, k));
        }
        if (sub <= kEps * near || sub <= normFloor) {
            a(k, k - 1) = 0.0;
            return k;
        }
    }
    return l;
}

// Eigenvalues of [p, q; r, s] into (re1, im1), (re2, im2); a complex pair
// has im1 = −im2 > 0. The larger real root comes by the stable formula and
// the other from the determinant.
void TwoByTwo(double p, double q, double r, double s, double& re1, double& im1, double& re2,
              double& im2) {
    const double scale = std::fabs(p) + std::fabs(q) + std::fabs(r) + std::fabs(s);
    re1 = re2 = im1 = im2 = 0.0;
    if (scale == 0.0) return;
    p /= scale;
    q /= scale;
    r /= scale;
    s /= scale;
    const double half = 0.5 * (p - s);
    const double disc = half * half + q * r;
    const double root = std::sqrt(std::fabs(disc));
    const double mid = 0.5 * (p + s);
    if (disc >= 0.0) {
        const double big = mid + std::copysign(root, mid);
        const double det = p * s - q * r;
        re1 = big * scale;
        re2 = big != 0.0 ? det / big * scale : 0.0;
    } else {
        re1 = re2 = mid * scale;
        im1 = root * scale;
        im2 = -root * scale;
    }
}

// The standard shifts: the eigenvalues of the trailing 2 × 2; when both are
// real, the one nearer a(hi, hi) taken twice.
Shifts StandardShifts(const View& a, int hi) {
    Shifts s{};
    TwoByTwo(a(hi - 1, hi - 1), a(hi - 1, hi), a(hi, hi - 1), a(hi, hi), s.sr1, s.si1, s.sr2, s.si2);
    if (s.si1 == 0.0) {
        const double corner = a(hi, hi);
        const double nearer =
            std::fabs(s.sr1 - corner) <= std::fabs(s.sr2 - corner) ? s.sr1 : s.sr2;
        s.sr1 = s.sr2 = nearer;
    }
    return s;
}

// Ad hoc shifts from the size of two subdiagonals next to the corner row;
// they break the cycles the standard shifts can fall into.
Shifts ExceptionalShifts(const View& a, int corner, double sub1, double sub2) {
    const double t = sub1 + sub2;
    const double d = 0.75 * t + a(corner, corner);
    Shifts s{};
    TwoByTwo(d, -0.4375 * t, t, d, s.sr1, s.si1, s.sr2, s.si2);
    return s;
}

// First column of (A − s1·I)(A − s2·I) at rows m..m+2, scaled: it is all the
// double step needs of the shifted matrix.
void FirstColumn(const View& a, int m, const Shifts& s, double v[3]) {
    const double h21 = a(m + 1, m);
    const double scale = std::fabs(a(m, m) - s.sr2) + std::fabs(s.si2) + std::fabs(h21);
    if (scale == 0.0) {
        v[0] = v[1] = v[2] = 0.0;
        return;
    }
    const double h21s = h21 / scale;
    v[0] = h21s * a(m, m + 1) + (a(m, m) - s.sr1) * ((a(m, m) - s.sr2) / scale) -
           s.si1 * (s.si2 / scale);
    v[1] = h21s * (a(m, m) + a(m + 1, m + 1) - s.sr1 - s.sr2);
    v[2] = h21s * a(m + 2, m + 1);
}

// Row m ≥ l where the double step may start: where a(m, m−1) is so small
// that the step's first reflector would change it only below rounding.
int FindStart(const View& a, int l, int hi, const Shifts& s, double v[3]) {
    for (int m = hi - 2; m > l; --m) {
        FirstColumn(a, m, s, v);
        const double size = std::fabs(v[0]) + std::fabs(v[1]) + std::fabs(v[2]);
        if (size == 0.0) continue;
        const double off = std::fabs(a(m, m - 1)) * (std::fabs(v[1]) + std::fabs(v[2])) / size;
        const double diag = std::fabs(v[0]) / size *
                            (std::fabs(a(m - 1, m - 1)) + std::fabs(a(m, m)) +
                             std::fabs(a(m + 1, m + 1)));
        if (off <= kEps * diag) return m;
    }
    FirstColumn(a, l, s, v);
    return l;
}

// Reflector I − tau·[1; u1; u2][1; u1; u2]ᵀ taking x (length 2 or 3) to
// beta·e1. Returns false when x is already a multiple of e1.
bool MakeReflector(double x0, double x1, double x2, double& beta, double& tau, double& u1,
                   double& u2) {
    const double tail = std::hypot(x1, x2);
    if (tail == 0.0) {
        tau = 0.0;
        beta = x0;
        return false;
    }
    beta = -std::copysign(std::hypot(x0, tail), x0);
    tau = (beta - x0) / beta;
    const double scale = 1.0 / (x0 - beta);
    u1 = x1 * scale;
    u2 = x2 * scale;
    return true;
}

// One implicit double-shift step on rows/columns l..hi, the bulge started at
// row m with the column v and chased down by 3-element reflectors.
ZT_VECTOR_CLONES
void DoubleStep(const View& a, int l, int m, int hi, const double v0[3]) {
    for (int k = m; k <= hi - 1; ++k) {
        const int span = std::min(3, hi - k + 1); // 3, or 2 at the last row
        double x0, x1, x2;
        if (k == m) {
            x0 = v0[0];
            x1 = v0[1];
            x2 = span == 3 ? v0[2] : 0.0;
        } else {
            x0 = a(k, k - 1);
            x1 = a(k + 1, k - 1);
            x2 = span == 3 ? a(k + 2, k - 1) : 0.0;
        }
        double beta, tau, u1 = 0.0, u2 = 0.0;
        if (!MakeReflector(x0, x1, x2, beta, tau, u1, u2)) continue;
        if (k > m) {
            a(k, k - 1) = beta;
            a(k + 1, k - 1) = 0.0;
            if (span == 3) a(k + 2, k - 1) = 0.0;
        } else if (m > l) {
            // The reflector's effect on the small a(m, m−1) that FindStart
            // judged negligible next to the rest.
            a(k, k - 1) *= 1.0 - tau;
        }
        // From the left: rows k..k+2, columns k..hi (contiguous in each row).
        double* r0 = &a(k, 1);
        double* r1 = &a(k + 1, 1);
        double* r2 = span == 3 ? &a(k + 2, 1) : nullptr;
        if (span == 3) {
            for (int j = k - 1; j < hi; ++j) {
                const double t = tau * (r0[j] + u1 * r1[j] + u2 * r2[j]);
                r0[j] -= t;
                r1[j] -= t * u1;
                r2[j] -= t * u2;
            }
        } else {
            for (int j = k - 1; j < hi; ++j) {
                const double t = tau * (r0[j] + u1 * r1[j]);
                r0[j] -= t;
                r1[j] -= t * u1;
            }
        }
        // From the right: columns k..k+2, rows l..min(k+3, hi).
        const int rowEnd = std::min(hi, k + 3);
        for (int i = l; i <= rowEnd; ++i) {
            double* row = &a(i, k);
            double t = row[0] + u1 * row[1];
            if (span == 3) t += u2 * row[2];
            t *= tau;
            row[0] -= t;
            row[1] -= t * u1;
            if (span == 3) row[2] -= t * u2;
        }
    }
}

} // namespace

void hqr(Matrix& H, ColumnVector& wr, ColumnVector& wi) {
    RequireSquare(H);
    const int n = H.Nrows();
    wr.ReSize(n);
    wi.ReSize(n);
    if (n == 0) return;
    if (!AllFinite(H)) nrerror(kNonFinite);
    // Scaled to a largest element near 1, the squares the shifts form stay
    // clear of overflow and underflow.
    const int exponent = ScaleToUnit(H);
    View a(H);
    double norm = 0.0;
    for (int i = 1; i <= n; ++i)
        for (int j = std::max(i - 1, 1); j <= n; ++j)
            norm += std::fabs(a(i, j));
    const double normFloor = kEps * norm;

    // Bounds the whole run; a block that has not split after this many steps
    // in total has met something no shift strategy resolves.
    long budget = 30L * std::max(10, n);
    int hi = n;
    int sinceSplit = 0;
    while (hi >= 1) {
        const int l = FindSplit(a, 1, hi, sinceSplit >= kNormTestAfter ? normFloor : 0.0);
        if (l == hi) {
            wr(hi) = std::ldexp(a(hi, hi), exponent);
            wi(hi) = 0.0;
            hi -= 1;
            sinceSplit = 0;
            continue;
        }
        if (l == hi - 1) {
            double re1, im1, re2, im2;
            TwoByTwo(a(hi - 1, hi - 1), a(hi - 1, hi), a(hi, hi - 1), a(hi, hi), re1, im1, re2,
                     im2);
            wr(hi - 1) = std::ldexp(re1, exponent);
            wi(hi - 1) = std::ldexp(im1, exponent);
            wr(hi) = std::ldexp(re2, exponent);
            wi(hi) = std::ldexp(im2, exponent);
            hi -= 2;
            sinceSplit = 0;
            continue;
        }
        if (--budget < 0) nrerror("Too many iterations in hqr");
        ++sinceSplit;
        Shifts s;
        if (sinceSplit % (2 * kExceptionalEvery) == kExceptionalEvery)
            s = ExceptionalShifts(a, l, std::fabs(a(l + 1, l)), std::fabs(a(l + 2, l + 1)));
        else if (sinceSplit % (2 * kExceptionalEvery) == 0)
            s = ExceptionalShifts(a, hi, std::fabs(a(hi, hi - 1)), std::fabs(a(hi - 1, hi - 2)));
        else
            s = StandardShifts(a, hi);
        double v[3];
        const int m = FindStart(a, l, hi, s, v);
        DoubleStep(a, l, m, hi, v);
    }
}
