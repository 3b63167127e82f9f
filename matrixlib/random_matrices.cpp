// Random matrices from the library's own generator (SplitMix64): portable,
// so the same seed gives the same matrix on every machine.

#include "matrixlib/creation.h"
#include "matrixlib/matrix_view.h"
#include "matrixlib/zt_error.h"

#include <chrono>
#include <climits>
#include <cmath>
#include <complex>
#include <cstdint>
#include <vector>

using namespace ztmath::detail;

namespace {

class Generator {
  public:
    void Seed(std::uint64_t seed) {
        state_ = seed;
        seeded_ = true;
    }
    // Uniform in [0, 1) with 53 random bits.
    double Next() {
        if (!seeded_)
            Seed(static_cast<std::uint64_t>(
                std::chrono::steady_clock::now().time_since_epoch().count()));
        state_ += 0x9E3779B97F4A7C15ULL;
        std::uint64_t z = state_;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        z ^= z >> 31;
        return static_cast<double>(z >> 11) * 0x1.0p-53;
    }
    double Between(double lo, double hi) { return lo + (hi - lo) * Next(); }

  private:
    std::uint64_t state_ = 0;
    bool seeded_ = false;
};

Generator& Shared() {
    static Generator generator;
    return generator;
}

int SquareOrder(int r, int c) {
    if (r != c) nrerror(kNonSquare);
    return r;
}

} // namespace

Matrix Random(int* seed, int r, int c, double lo, double hi) {
    Generator& g = Shared();
    if (seed != nullptr && *seed < 0) {
        *seed = *seed == INT_MIN ? INT_MAX : -*seed;
        g.Seed(static_cast<std::uint64_t>(*seed));
    }
    if (r < 1 || c < 1) return Matrix();
    Matrix R = Sized(r, c);
    double* p = R.Store();
    for (long k = 0; k < Count(R); ++k)
        p[k] = g.Between(lo, hi);
    return R;
}

Matrix RandomHermitian(int r, int c, double lo, double hi) {
    const int n = SquareOrder(r, c);
    if (n < 1) return Matrix();
    Generator& g = Shared();
    Matrix H = Sized(n, 2LL * n);
    View h(H);
    for (int i = 1; i <= n; ++i) {
        h(i, i) = g.Between(lo, hi);
        h(i, n + i) = 0.0;
        for (int j = i + 1; j <= n; ++j) {
            const double re = g.Between(lo, hi);
            const double im = g.Between(lo, hi);
            h(i, j) = re;
            h(j, i) = re;
            h(i, n + j) = im;
            h(j, n + i) = -im;
        }
    }
    return H;
}

Matrix RandomUnitary(int r, int c, double lo, double hi) {
    const int n = SquareOrder(r, c);
    if (n < 1) return Matrix();
    Matrix U = Sized(n, 2LL * n);
    Generator& g = Shared();
    using Cvec = std::vector<std::complex<double>>;
    std::vector<Cvec> q;
    // Gram-Schmidt (twice, for orthogonality to working precision) on random
    // columns; a column that lies in the span of those before it (a constant
    // range, say) is replaced by the next unit vector that does not.
    int fallback = 0;
    for (int col = 0; col < n; ++col) {
        Cvec v(n);
        for (auto& z : v)
            z = {g.Between(lo, hi), g.Between(lo, hi)};
        for (;;) {
            double before = 0.0;
            for (const auto& z : v)
                before += std::norm(z);
            for (int pass = 0; pass < 2; ++pass)
                for (const Cvec& u : q) {
                    std::complex<double> dot = 0.0;
                    for (int i = 0; i < n; ++i)
                        dot += std::conj(u[i]) * v[i];
                    for (int i = 0; i < n; ++i)
                        v[i] -= dot * u[i];
                }
            double after = 0.0;
            for (const auto& z : v)
                after += std::norm(z);
            if (std::isfinite(after) && after > 1e-20 * before && after > 0.0) {
                const double len = std::sqrt(after);
                for (auto& z : v)
                    z /= len;
                break;
            }
            v.assign(n, 0.0);
            v[fallback++ % n] = 1.0;
        }
        q.push_back(std::move(v));
    }
    View u(U);
    for (int j = 1; j <= n; ++j)
        for (int i = 1; i <= n; ++i) {
            u(i, j) = q[j - 1][i - 1].real();
            u(i, n + j) = q[j - 1][i - 1].imag();
        }
    return U;
}
