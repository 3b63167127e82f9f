// exp, sin and cos of a square matrix by scaling and squaring: the Taylor
// series converges fast and without cancellation once the norm is at most
// 1/2, and the scaling is undone exactly by the doubling formulas.

#include "matrixlib/matrix_functions.h"
#include "matrixlib/matrix_view.h"
#include "matrixlib/zt_error.h"

#include <algorithm>
#include <cmath>

using namespace ztmath::detail;

namespace {

constexpr int kMaxTerms = 100;

// Number of halvings s that bring the norm to at most 1/2; X = M / 2^s.
int ScaleDown(const Matrix& M, Matrix& X) {
    const double norm = OneNorm(M);
    int s = 0;
    if (norm > 0.5) {
        int exponent = 0;
        std::frexp(norm, &exponent); // norm < 2^exponent
        s = exponent + 1;
    }
    X = M * std::ldexp(1.0, -s);
    return s;
}

// Sums of the series of the scaled argument; each term is the previous one
// times X/k.
struct SeriesResult {
    Matrix first;  // exp, or sin
    Matrix second; // cos (unused for exp)
    int terms = 0;
};

SeriesResult SumExp(const Matrix& X, double tol) {
    const int n = X.Nrows();
    SeriesResult r;
    Matrix term = Identity(n);
    r.first = term;
    r.terms = 1;
    for (int k = 1;; ++k) {
        term = X * term * (1.0 / k);
        r.first += term;
        ++r.terms;
        if (OneNorm(term) < tol * OneNorm(r.first)) break;
        if (r.terms > kMaxTerms) break;
    }
    return r;
}

SeriesResult SumSinCos(const Matrix& X, double tol) {
    const int n = X.Nrows();
    SeriesResult r;
    Matrix term = Identity(n);
    r.second = term; // cos: I − X²/2! + ...
    r.first = X;     // sin: X − X³/3! + ...
    r.terms = 1;
    if (OneNorm(X) == 0.0) return r;
    term = X;
    r.terms = 2;
    for (int k = 2;; ++k) {
        term = X * term * (1.0 / k);
        const bool even = k % 2 == 0;
        const double sign = (k / 2) % 2 == 0 ? 1.0 : -1.0;
        Matrix& target = even ? r.second : r.first;
        if (sign > 0)
            target += term;
        else
            target -= term;
        ++r.terms;
        const double scale = std::max(OneNorm(r.first), OneNorm(r.second));
        if (OneNorm(term) < tol * scale) break;
        if (r.terms > kMaxTerms) break;
    }
    return r;
}

// Prepares M: square, finite; returns false for an empty matrix.
bool CheckArgument(const Matrix& M, int& count) {
    RequireSquare(M);
    count = 0;
    if (M.Nrows() == 0) return false;
    if (!AllFinite(M)) nrerror(kNonFinite);
    return true;
}

// Each squaring multiplies the series error by about two (each cosine
// doubling by about four), so the series is summed that much more tightly
// for the result to meet tol. The stopping test sees only the last term,
// whose size the error can reach, so the sum goes kMarginBits further: the
// calculator's 1e-7 then gives results good to about 1e-11. The cap keeps
// a huge scaling from asking for more than double precision can give.
constexpr int kMarginBits = 10;

double SeriesTolerance(double tol, int s, int growthBits) {
    return std::ldexp(tol, -std::min(s * growthBits + kMarginBits, 60));
}

void SinCos(Matrix& M, double tol, int& count, bool wantSin) {
    if (!CheckArgument(M, count)) return;
    Matrix X;
    const int s = ScaleDown(M, X);
    SeriesResult r = SumSinCos(X, SeriesTolerance(tol, s, 2));
    count = r.terms;
    const Matrix id = Identity(M.Nrows());
    for (int k = 0; k < s; ++k) {
        // sin 2x = 2 sin x cos x; cos 2x = 2 cos² x − 1 (sin and cos of the
        // same matrix commute).
        Matrix sin2 = r.first * r.second * 2.0;
        Matrix cos2 = r.second * r.second * 2.0 - id;
        r.first = sin2;
        r.second = cos2;
    }
    M = wantSin ? r.first : r.second;
}

} // namespace

void expMatrix(Matrix& M, double tol, int& count) {
    if (!CheckArgument(M, count)) return;
    Matrix X;
    const int s = ScaleDown(M, X);
    SeriesResult r = SumExp(X, SeriesTolerance(tol, s, 1));
    count = r.terms;
    for (int k = 0; k < s; ++k)
        r.first = r.first * r.first;
    M = r.first;
}

void sinMatrix(Matrix& M, double tol, int& count) {
    SinCos(M, tol, count, true);
}

void cosMatrix(Matrix& M, double tol, int& count) {
    SinCos(M, tol, count, false);
}
