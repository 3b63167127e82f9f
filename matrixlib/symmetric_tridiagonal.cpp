// Householder tridiagonal reduction and implicit QL iteration, both laid out
// for newmat's row-major store: every inner loop runs along a row.

#include "matrixlib/symmetric_tridiagonal.h"

#include "matrixlib/matrix_view.h"
#include "matrixlib/power_of_two_scaling.h"
#include "matrixlib/reflector_block.h"
#include "matrixlib/rotation_sweep.h"
#include "matrixlib/vector_clones.h"
#include "matrixlib/zt_error.h"

#include <algorithm>
#include <cmath>
#include <vector>

using namespace ztmath::detail;

namespace {

constexpr int kMaxStepsPerEigenvalue = 30;

// sqrt(a² + b²), scaled by the larger magnitude so it neither overflows nor
// underflows on the way.
double Hypotenuse(double a, double b) {
    const double x = std::fabs(a);
    const double y = std::fabs(b);
    if (x > y) {
        const double ratio = y / x;
        return x * std::sqrt(1.0 + ratio * ratio);
    }
    if (y == 0.0) return 0.0;
    const double ratio = x / y;
    return y * std::sqrt(1.0 + ratio * ratio);
}

constexpr int kRowsAtOnce = 4;

// Q is built one reflector at a time up to this order, then from blocks of
// reflectors.
constexpr int kLeastBlockedOrder = 64;
constexpr int kReflectorsAtOnce = 32;

// p ← p + A·u for the part of the symmetric A kept in rows j .. j+G−1 of
// the lower triangle (counted from 0): row r gives p_r its sum uᵀ·row and
// every earlier p_k the term a(r, k)·u_r. The G sums run side by side, so
// the adder is not left waiting on one sum; each sum, and each p_k's terms
// (in row order), are added in the order row after row would add them.
template <int G>
void AddRowProducts(const View& a, int j, const double* __restrict u, double* __restrict p) {
    const double* rows[G];
    double dot[G];
    for (int g = 0; g < G; ++g) {
        rows[g] = &a(j + g + 1, 1);
        dot[g] = rows[g][j + g] * u[j + g];
    }
    for (int k = 0; k < j; ++k) {
        double pk = p[k];
        for (int g = 0; g < G; ++g) {
            dot[g] += rows[g][k] * u[k];
            pk += rows[g][k] * u[j + g];
        }
        p[k] = pk;
    }
    // The tip of the triangle: row j+g still has columns j .. j+g−1, whose
    // p already hold their own sums.
    for (int g = 0; g < G; ++g) {
        for (int k = j; k < j + g; ++k) {
            dot[g] += rows[g][k] * u[k];
            p[k] += rows[g][k] * u[j + g];
        }
        p[j + g] += dot[g];
    }
}

// The leading l × l block's lower triangle loses u·qᵀ + q·uᵀ.
ZT_VECTOR_CLONES
void SubtractRankTwo(const View& a, int l, const double* u, const double* q) {
    for (int j = 0; j < l; ++j) {
        double* row = &a(j + 1, 1);
        const double uj = u[j];
        const double qj = q[j];
        for (int k = 0; k <= j; ++k)
            row[k] -= uj * q[k] + qj * u[k];
    }
}

// One Householder step on the leading l × l block of the symmetric A, whose
// lower triangle alone is kept: with u = row l + 1's first l elements and
// P = I − u·uᵀ/h, the block becomes P·A·P = A − u·qᵀ − q·uᵀ, where
// p = A·u/h and q = p − (uᵀp/2h)·u.
ZT_VECTOR_CLONES
void ApplyReflectorBothSides(const View& a, int l, const double* u, double h,
                             std::vector<double>& p) {
    p.assign(l, 0.0);
    int j = 0;
    for (; j + kRowsAtOnce <= l; j += kRowsAtOnce)
        AddRowProducts<kRowsAtOnce>(a, j, u, p.data());
    for (; j < l; ++j)
        AddRowProducts<1>(a, j, u, p.data());
    double up = 0.0;
    for (int k = 0; k < l; ++k) {
        p[k] /= h;
        up += u[k] * p[k];
    }
    const double half = up / (h + h);
    for (int k = 0; k < l; ++k)
        p[k] -= half * u[k];
    SubtractRankTwo(a, l, u, p.data());
}

// Q ← P·Q on the leading l × l block (rows of Q are rows of the store).
// Q ← P·Q on the leading l × l block (rows of Q are rows of the store).
ZT_VECTOR_CLONES
void ApplyReflectorLeft(const View& a, int l, const double* u, double h, std::vector<double>& w) {
    w.assign(l, 0.0);
    for (int k = 0; k < l; ++k) {
        const double* row = &a(k + 1, 1);
        const double uk = u[k];
        for (int c = 0; c < l; ++c)
            w[c] += uk * row[c];
    }
    for (int k = 0; k < l; ++k) {
        double* row = &a(k + 1, 1);
        const double f = u[k] / h;
        for (int c = 0; c < l; ++c)
            row[c] -= f * w[c];
    }
}

// Row and column i of the leading i × i block become those of the
// identity; the diagonal element they held is returned.
double MakeUnit(const View& a, int i) {
    const double diagonal = a(i, i);
    a(i, i) = 1.0;
    for (int j = 1; j < i; ++j) {
        a(i, j) = 0.0;
        a(j, i) = 0.0;
    }
    return diagonal;
}

// Steps first .. last of building Q at once: their reflectors (u_i in row
// i, τ_i = 1/h_i) act on the leading (last − 1) × (last − 1) block of the
// n × n store, whose
// rows and columns first .. last − 1 are made those of the identity first,
// as the steps in turn would have left them.
void ApplyReflectorsLeft(const View& a, int n, int first, int last, const std::vector<double>& h,
                         ColumnVector& d, int exponent) {
    const int order = last - 1;
    const int count = last - first + 1;
    std::vector<double> vt(static_cast<size_t>(count) * order, 0.0);
    std::vector<double> tau(static_cast<size_t>(count), 0.0);
    for (int i = first; i <= last; ++i) {
        if (h[i] == 0.0) continue;
        std::copy(&a(i, 1), &a(i, 1) + (i - 1), vt.begin() + static_cast<long>(i - first) * order);
        tau[i - first] = 1.0 / h[i];
    }
    for (int i = first; i <= last; ++i)
        d(i) = std::ldexp(MakeUnit(a, i), exponent);
    ApplyReflectorBlock(&a(1, 1), n, order, vt.data(), count, tau.data());
}

} // namespace

void TridiagonalReduction(Matrix& A, ColumnVector& d, ColumnVector& e) {
    RequireSquare(A);
    const int n = A.Nrows();
    d.ReSize(n);
    e.ReSize(n);
    if (n == 0) return;
    // Sums of magnitudes and squares overflow near the top of the double
    // range: the reduction runs on A scaled by a power of two (exact), and d
    // and e are scaled back.
    const int exponent = ScaleToUnit(A);
    View a(A);
    // h[i] is the reflector of step i (0: none); its vector u stays in row i.
    std::vector<double> h(n + 1, 0.0);
    std::vector<double> work;
    for (int i = n; i >= 2; --i) {
        const int l = i - 1;
        double* u = &a(i, 1);
        double scale = 0.0;
        if (l > 1)
            for (int k = 0; k < l; ++k)
                scale += std::fabs(u[k]);
        if (scale == 0.0) {
            e(i) = std::ldexp(u[l - 1], exponent);
            continue;
        }
        double sum = 0.0;
        for (int k = 0; k < l; ++k) {
            u[k] /= scale;
            sum += u[k] * u[k];
        }
        const double f = u[l - 1];
        const double g = f >= 0.0 ? -std::sqrt(sum) : std::sqrt(sum);
        e(i) = std::ldexp(scale * g, exponent);
        sum -= f * g;
        u[l - 1] = f - g;
        h[i] = sum;
        ApplyReflectorBothSides(a, l, u, sum, work);
    }
    e(1) = 0.0;
    // Q = P_n ⋯ P_3, built from the left so that after step i the leading
    // i × i block holds the product of the reflectors met so far.
    // Beyond the first steps they are taken kReflectorsAtOnce at a time.
    std::vector<double> u;
    for (int i = 1; i <= n;) {
        const int l = i - 1;
        if (l >= kLeastBlockedOrder && i < n) {
            const int last = std::min(n, i + kReflectorsAtOnce - 1);
            ApplyReflectorsLeft(a, n, i, last, h, d, exponent);
            i = last + 1;
            continue;
        }
        if (h[i] != 0.0) {
            u.assign(&a(i, 1), &a(i, 1) + l);
            ApplyReflectorLeft(a, l, u.data(), h[i], work);
        }
        d(i) = std::ldexp(MakeUnit(a, i), exponent);
        ++i;
    }
}

void TridiagonalQL(ColumnVector& d, ColumnVector& e, Matrix& Z) {
    const int n = d.Nrows();
    if (e.Nrows() != n || Z.Ncols() != n) nrerror(kSizeMismatch);
    if (n == 0) return;
    // Rotations act on pairs of columns of Z: they run on the rows of its
    // transpose. Z is not read by the iteration: its sweeps are gathered and
    // applied together.
    Matrix Zt = Z.t();
    RotationSweeps sweeps(Zt.Store(), Zt.Ncols());
    std::vector<double> sweepC(static_cast<size_t>(n));
    std::vector<double> sweepS(static_cast<size_t>(n));
    // d(i) and e(i), counted from 1, straight in the vectors' stores.
    double* const dStore = d.Store();
    double* const eStore = e.Store();
    const auto D = [dStore](int i) -> double& { return dStore[i - 1]; };
    const auto E = [eStore](int i) -> double& { return eStore[i - 1]; };
    // The convergence test compares e with d in double precision, which
    // fails among subnormal numbers: the iteration runs on d and e scaled by
    // a power of two (exact) to a largest element near 1.
    double largest = 0.0;
    for (int i = 1; i <= n; ++i)
        largest = std::fmax(largest, std::fmax(std::fabs(D(i)), std::fabs(E(i))));
    int exponent = 0;
    if (std::isfinite(largest)) std::frexp(largest, &exponent);
    for (int i = 1; i <= n; ++i) {
        D(i) = std::ldexp(D(i), -exponent);
        E(i) = std::ldexp(E(i), -exponent);
    }
    for (int i = 2; i <= n; ++i)
        E(i - 1) = E(i);
    E(n) = 0.0;
    for (int l = 1; l <= n; ++l) {
        int steps = 0;
        for (;;) {
            int m = l;
            for (; m < n; ++m) {
                const double dd = std::fabs(D(m)) + std::fabs(D(m + 1));
                if (std::fabs(E(m)) + dd == dd) break;
            }
            if (m == l) break;
            if (steps == kMaxStepsPerEigenvalue) nrerror("Too many iterations in tqli");
            ++steps;
            double g = (D(l + 1) - D(l)) / (2.0 * E(l));
            double r = Hypotenuse(g, 1.0);
            g = D(m) - D(l) + E(l) / (g + std::copysign(r, g));
            double s = 1.0, c = 1.0, p = 0.0;
            bool deflated = false;
            int rotations = 0;
            for (int i = m - 1; i >= l; --i) {
                const double f = s * E(i);
                const double b = c * E(i);
                r = Hypotenuse(f, g);
                E(i + 1) = r;
                if (r == 0.0) {
                    // An underflowed rotation: the matrix splits here.
                    D(i + 1) -= p;
                    E(m) = 0.0;
                    deflated = true;
                    break;
                }
                s = f / r;
                c = g / r;
                g = D(i + 1) - p;
                r = (D(i) - g) * s + 2.0 * c * b;
                p = s * r;
                D(i + 1) = g + p;
                g = c * r - b;
                // Rows i and i + 1 of Zt, counted from 1: applied below.
                sweepC[rotations] = c;
                sweepS[rotations] = s;
                ++rotations;
            }
            sweeps.Add(m - 1, rotations, sweepC.data(), sweepS.data());
            if (!deflated) {
                D(l) -= p;
                E(l) = g;
                E(m) = 0.0;
            }
        }
    }
    sweeps.Apply();
    for (int i = 1; i <= n; ++i)
        D(i) = std::ldexp(D(i), exponent);
    Z = Zt.t();
}
