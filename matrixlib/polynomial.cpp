#include "matrixlib/polynomial.h"

#include "matrixlib/eigen.h"
#include "matrixlib/matrix_view.h"
#include "matrixlib/zt_error.h"

#include <vector>

using namespace ztmath::detail;

namespace {

// coeffs (highest power first) times the monic factor x^k + f[0]·x^(k−1)...
void MultiplyBy(std::vector<double>& coeffs, const std::vector<double>& factor) {
    std::vector<double> out(coeffs.size() + factor.size(), 0.0);
    for (size_t i = 0; i < coeffs.size(); ++i) {
        out[i] += coeffs[i];
        for (size_t j = 0; j < factor.size(); ++j)
            out[i + j + 1] += coeffs[i] * factor[j];
    }
    coeffs.swap(out);
}

} // namespace

Matrix Characteristic(const Matrix& M) {
    RequireSquare(M);
    const int n = M.Nrows();
    std::vector<double> coeffs{1.0};
    if (n > 0) {
        // Expanding the product of (λ − eigenvalue) is stable where recurrences
        // on the matrix powers lose all accuracy beyond small orders.
        Matrix H = M;
        ColumnVector wr, wi;
        balanc(H);
        elmhes(H);
        hqr(H, wr, wi);
        // hqr stores a complex-conjugate pair in two adjacent entries.
        for (int k = 1; k <= n; ++k) {
            if (wi(k) == 0.0 || k == n) {
                MultiplyBy(coeffs, {-wr(k)});
            } else {
                // A conjugate pair gives the real quadratic λ² − 2aλ + (a² + b²).
                MultiplyBy(coeffs, {-2.0 * wr(k), wr(k) * wr(k) + wi(k) * wi(k)});
                ++k;
            }
        }
    }
    Matrix row(1, n + 1);
    for (int k = 0; k <= n; ++k)
        row(1, k + 1) = coeffs[k];
    return row;
}

Matrix Companion2(const Matrix& v) {
    const long count = Count(v);
    if (count < 2) nrerror("Polynomial needs at least two coefficients");
    const double* c = v.Store();
    if (c[0] == 0.0) nrerror("Leading coefficient is zero");
    const int n = static_cast<int>(count - 1);
    Matrix C = Zeros(n, n);
    View m(C);
    for (int j = 1; j <= n; ++j)
        m(1, j) = -c[j] / c[0];
    for (int i = 2; i <= n; ++i)
        m(i, i - 1) = 1.0;
    return C;
}
