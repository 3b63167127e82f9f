#include "matrixlib/composite_eigenvectors.h"

#include "matrixlib/matrix_view.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <numeric>
#include <vector>

namespace ztmath::detail {

using Cvec = std::vector<std::complex<double>>;

namespace {

double NormSquared(const Cvec& z) {
    double s = 0.0;
    for (const auto& c : z)
        s += std::norm(c);
    return s;
}

} // namespace

void ArrangeCompositeEigenvectors(NEWMAT::ColumnVector& d, NEWMAT::Matrix& V) {
    const int size = V.Nrows();
    const int n = size / 2;
    View v(V);
    // Every real eigenvector [x; y] read as the complex vector x + iy.
    std::vector<Cvec> residual(size, Cvec(n));
    for (int c = 0; c < size; ++c)
        for (int i = 0; i < n; ++i)
            residual[c][i] = {v(i + 1, c + 1), v(n + i + 1, c + 1)};
    std::vector<bool> taken(size, false);
    std::vector<Cvec> chosen;
    std::vector<double> value;
    // Pivoted Gram-Schmidt in the complex sense: each step takes the candidate
    // with most left outside the span of those chosen, which always leaves one
    // complex direction per eigenvalue pair.
    for (int k = 0; k < n; ++k) {
        int best = -1;
        double bestNorm = -1.0;
        for (int c = 0; c < size; ++c)
            if (!taken[c] && NormSquared(residual[c]) > bestNorm) {
                bestNorm = NormSquared(residual[c]);
                best = c;
            }
        taken[best] = true;
        Cvec u = residual[best];
        const double len = std::sqrt(bestNorm);
        for (auto& z : u)
            z /= len;
        for (int c = 0; c < size; ++c) {
            if (taken[c]) continue;
            std::complex<double> dot = 0.0;
            for (int i = 0; i < n; ++i)
                dot += std::conj(u[i]) * residual[c][i];
            for (int i = 0; i < n; ++i)
                residual[c][i] -= dot * u[i];
        }
        chosen.push_back(std::move(u));
        value.push_back(d(best + 1));
    }
    std::vector<int> order(n);
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&value](int a, int b) { return value[a] < value[b]; });
    for (int k = 0; k < n; ++k) {
        const Cvec& u = chosen[order[k]];
        d(k + 1) = value[order[k]];
        d(n + k + 1) = value[order[k]];
        for (int i = 0; i < n; ++i) {
            v(i + 1, k + 1) = u[i].real();
            v(n + i + 1, k + 1) = u[i].imag();
            v(i + 1, n + k + 1) = -u[i].imag();
            v(n + i + 1, n + k + 1) = u[i].real();
        }
    }
}

} // namespace ztmath::detail
