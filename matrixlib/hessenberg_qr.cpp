// Eigenvalues of an upper Hessenberg matrix by the Francis double-shift QR
// iteration (Wilkinson and Reinsch's formulation): the active block shrinks
// from the bottom as one real eigenvalue or a 2 × 2 block (a real pair or a
// complex-conjugate pair) splits off.

#include "matrixlib/eigen.h"
#include "matrixlib/matrix_view.h"
#include "matrixlib/zt_error.h"

#include <algorithm>
#include <cmath>

using namespace ztmath::detail;

namespace {

constexpr int kMaxIterations = 30;
// Every this many iterations without a split the step takes an exceptional
// shift. Three of them fit in the budget: two were too few for clusters of
// nearly equal complex pairs, such as weakly coupled 2 × 2 rotations.
constexpr int kExceptionalEvery = 8;

// Smallest l in 2..hi whose subdiagonal a(l, l−1) is negligible, scanning up
// from hi; returns 1 when the whole block is unreduced. A negligible entry
// is set to exactly 0.
int FindSplit(const View& a, int hi, double norm) {
    for (int l = hi; l >= 2; --l) {
        double s = std::fabs(a(l - 1, l - 1)) + std::fabs(a(l, l));
        if (s == 0.0) s = norm;
        if (std::fabs(a(l, l - 1)) + s == s) {
            a(l, l - 1) = 0.0;
            return l;
        }
    }
    return 1;
}

// Stores the two eigenvalues of the trailing 2 × 2 block [y, b; c, x] (with
// w = b·c) shifted back by the accumulated exceptional shift.
void StorePair(double x, double y, double w, double shift, ColumnVector& wr, ColumnVector& wi,
               int hi) {
    const double p = 0.5 * (y - x);
    const double q = p * p + w;
    const double z = std::sqrt(std::fabs(q));
    const double base = x + shift;
    if (q >= 0.0) {
        // Real pair: the larger root by the stable formula, the other from the
        // product of the roots.
        const double zz = p + std::copysign(z, p);
        wr(hi - 1) = base + zz;
        wr(hi) = zz != 0.0 ? base - w / zz : base + zz;
        wi(hi - 1) = 0.0;
        wi(hi) = 0.0;
    } else {
        wr(hi - 1) = base + p;
        wr(hi) = base + p;
        wi(hi - 1) = z;
        wi(hi) = -z;
    }
}

struct ShiftData {
    double x; // a(hi, hi)
    double y; // a(hi−1, hi−1)
    double w; // a(hi, hi−1)·a(hi−1, hi)
};

// The Householder vector (p, q, r) that starts the bulge at row m, for the
// double shift whose shifts are the eigenvalues of the trailing 2 × 2.
void FirstColumn(const View& a, int m, const ShiftData& s, double& p, double& q, double& r) {
    const double z = a(m, m);
    const double rr = s.x - z;
    const double ss = s.y - z;
    p = (rr * ss - s.w) / a(m + 1, m) + a(m, m + 1);
    q = a(m + 1, m + 1) - z - rr - ss;
    r = a(m + 2, m + 1);
    const double scale = std::fabs(p) + std::fabs(q) + std::fabs(r);
    if (scale != 0.0) {
        p /= scale;
        q /= scale;
        r /= scale;
    }
}

// Row m ≥ l where the double-shift step may start: two consecutive small
// subdiagonal entries let the step begin below l.
int FindStart(const View& a, int l, int hi, const ShiftData& s) {
    for (int m = hi - 2; m > l; --m) {
        double p, q, r;
        FirstColumn(a, m, s, p, q, r);
        const double u = std::fabs(a(m, m - 1)) * (std::fabs(q) + std::fabs(r));
        const double v = std::fabs(p) * (std::fabs(a(m - 1, m - 1)) + std::fabs(a(m, m)) +
                                         std::fabs(a(m + 1, m + 1)));
        if (u + v == v) return m;
    }
    return l;
}

// One implicit double-shift QR sweep on rows/columns l..hi starting at m:
// chase the bulge down with 3-element Householder reflectors.
void DoubleShiftSweep(const View& a, int l, int m, int hi, const ShiftData& s) {
    for (int i = m + 2; i <= hi; ++i) {
        a(i, i - 2) = 0.0;
        if (i != m + 2) a(i, i - 3) = 0.0;
    }
    double p = 0.0, q = 0.0, r = 0.0;
    for (int k = m; k <= hi - 1; ++k) {
        const bool last = k == hi - 1;
        double scale = 0.0;
        if (k == m) {
            FirstColumn(a, m, s, p, q, r);
        } else {
            p = a(k, k - 1);
            q = a(k + 1, k - 1);
            r = last ? 0.0 : a(k + 2, k - 1);
            scale = std::fabs(p) + std::fabs(q) + std::fabs(r);
            if (scale == 0.0) continue;
            p /= scale;
            q /= scale;
            r /= scale;
        }
        const double sigma = std::copysign(std::sqrt(p * p + q * q + r * r), p);
        if (sigma == 0.0) continue;
        if (k == m) {
            if (l != m) a(k, k - 1) = -a(k, k - 1);
        } else {
            a(k, k - 1) = -sigma * scale;
        }
        p += sigma;
        const double vx = p / sigma;
        const double vy = q / sigma;
        const double vz = r / sigma;
        q /= p;
        r /= p;
        for (int j = k; j <= hi; ++j) {
            double t = a(k, j) + q * a(k + 1, j);
            if (!last) {
                t += r * a(k + 2, j);
                a(k + 2, j) -= t * vz;
            }
            a(k + 1, j) -= t * vy;
            a(k, j) -= t * vx;
        }
        const int rowEnd = std::min(hi, k + 3);
        for (int i = l; i <= rowEnd; ++i) {
            double t = vx * a(i, k) + vy * a(i, k + 1);
            if (!last) {
                t += vz * a(i, k + 2);
                a(i, k + 2) -= t * r;
            }
            a(i, k + 1) -= t * q;
            a(i, k) -= t;
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
    View a(H);
    double norm = 0.0;
    for (int i = 1; i <= n; ++i)
        for (int j = std::max(i - 1, 1); j <= n; ++j)
            norm += std::fabs(a(i, j));

    double shift = 0.0; // exceptional shifts accumulated so far
    int hi = n;
    while (hi >= 1) {
        int iterations = 0;
        for (;;) {
            const int l = FindSplit(a, hi, norm);
            const double x = a(hi, hi);
            if (l == hi) {
                wr(hi) = x + shift;
                wi(hi) = 0.0;
                hi -= 1;
                break;
            }
            ShiftData s{x, a(hi - 1, hi - 1), a(hi, hi - 1) * a(hi - 1, hi)};
            if (l == hi - 1) {
                StorePair(s.x, s.y, s.w, shift, wr, wi, hi);
                hi -= 2;
                break;
            }
            if (iterations == kMaxIterations) nrerror("Too many iterations in hqr");
            if (iterations > 0 && iterations % kExceptionalEvery == 0) {
                // Exceptional shift: breaks cycles the standard shift can fall into.
                shift += s.x;
                for (int i = 1; i <= hi; ++i)
                    a(i, i) -= s.x;
                const double t = std::fabs(a(hi, hi - 1)) + std::fabs(a(hi - 1, hi - 2));
                s.x = 0.75 * t;
                s.y = s.x;
                s.w = -0.4375 * t * t;
            }
            ++iterations;
            const int m = FindStart(a, l, hi, s);
            DoubleShiftSweep(a, l, m, hi, s);
        }
    }
}
