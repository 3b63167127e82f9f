// Householder tridiagonal reduction and implicit QL iteration, both laid out
// for newmat's row-major store: every inner loop runs along a row.

#include "matrixlib/symmetric_tridiagonal.h"

#include "matrixlib/matrix_view.h"
#include "matrixlib/power_of_two_scaling.h"
#include "matrixlib/zt_error.h"

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

// One Householder step on the leading l × l block of the symmetric A, whose
// lower triangle alone is kept: with u = row l + 1's first l elements and
// P = I − u·uᵀ/h, the block becomes P·A·P = A − u·qᵀ − q·uᵀ, where
// p = A·u/h and q = p − (uᵀp/2h)·u.
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
    for (int j = 0; j < l; ++j) {
        double* row = &a(j + 1, 1);
        const double uj = u[j];
        const double qj = p[j];
        for (int k = 0; k <= j; ++k)
            row[k] -= uj * p[k] + qj * u[k];
    }
}

// Q ← P·Q on the leading l × l block (rows of Q are rows of the store).
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
    std::vector<double> u;
    for (int i = 1; i <= n; ++i) {
        const int l = i - 1;
        if (h[i] != 0.0) {
            u.assign(&a(i, 1), &a(i, 1) + l);
            ApplyReflectorLeft(a, l, u.data(), h[i], work);
        }
        d(i) = std::ldexp(a(i, i), exponent);
        a(i, i) = 1.0;
        for (int j = 1; j <= l; ++j) {
            a(i, j) = 0.0;
            a(j, i) = 0.0;
        }
    }
}

void TridiagonalQL(ColumnVector& d, ColumnVector& e, Matrix& Z) {
    const int n = d.Nrows();
    if (e.Nrows() != n || Z.Ncols() != n) nrerror(kSizeMismatch);
    if (n == 0) return;
    // Rotations act on pairs of columns of Z: they run on the rows of its
    // transpose.
    Matrix Zt = Z.t();
    const int len = Zt.Ncols();
    View z(Zt);
    // The convergence test compares e with d in double precision, which
    // fails among subnormal numbers: the iteration runs on d and e scaled by
    // a power of two (exact) to a largest element near 1.
    double largest = 0.0;
    for (int i = 1; i <= n; ++i)
        largest = std::fmax(largest, std::fmax(std::fabs(d(i)), std::fabs(e(i))));
    int exponent = 0;
    if (std::isfinite(largest)) std::frexp(largest, &exponent);
    for (int i = 1; i <= n; ++i) {
        d(i) = std::ldexp(d(i), -exponent);
        e(i) = std::ldexp(e(i), -exponent);
    }
    for (int i = 2; i <= n; ++i)
        e(i - 1) = e(i);
    e(n) = 0.0;
    for (int l = 1; l <= n; ++l) {
        int steps = 0;
        for (;;) {
            int m = l;
            for (; m < n; ++m) {
                const double dd = std::fabs(d(m)) + std::fabs(d(m + 1));
                if (std::fabs(e(m)) + dd == dd) break;
            }
            if (m == l) break;
            if (steps == kMaxStepsPerEigenvalue) nrerror("Too many iterations in tqli");
            ++steps;
            double g = (d(l + 1) - d(l)) / (2.0 * e(l));
            double r = Hypotenuse(g, 1.0);
            g = d(m) - d(l) + e(l) / (g + std::copysign(r, g));
            double s = 1.0, c = 1.0, p = 0.0;
            bool deflated = false;
            for (int i = m - 1; i >= l; --i) {
                const double f = s * e(i);
                const double b = c * e(i);
                r = Hypotenuse(f, g);
                e(i + 1) = r;
                if (r == 0.0) {
                    // An underflowed rotation: the matrix splits here.
                    d(i + 1) -= p;
                    e(m) = 0.0;
                    deflated = true;
                    break;
                }
                s = f / r;
                c = g / r;
                g = d(i + 1) - p;
                r = (d(i) - g) * s + 2.0 * c * b;
                p = s * r;
                d(i + 1) = g + p;
                g = c * r - b;
                double* lower = &z(i + 1, 1);
                double* upper = &z(i, 1);
                for (int k = 0; k < len; ++k) {
                    const double next = lower[k];
                    lower[k] = s * upper[k] + c * next;
                    upper[k] = c * upper[k] - s * next;
                }
            }
            if (!deflated) {
                d(l) -= p;
                e(l) = g;
                e(m) = 0.0;
            }
        }
    }
    for (int i = 1; i <= n; ++i)
        d(i) = std::ldexp(d(i), exponent);
    Z = Zt.t();
}
