#include "matrixlib/measures.h"

#include "matrixlib/matrix_view.h"
#include "matrixlib/zt_error.h"

#include "matrixlib/lapack_routines.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

using namespace ztmath::detail;

namespace {

// Singular values, largest first, of M scaled by a power of two (exact) so
// that its largest element is near 1: rank and condition do not depend on
// the scale, and the decomposition then neither underflows nor overflows.
// newmat's row-major store is the column-major store of Mᵀ, which has the
// same singular values. A decomposition that does not converge →
// nrerror("Singular values did not converge").
std::vector<double> ScaledSingularValues(const Matrix& M) {
    int exponent = 0;
    std::frexp(MaxAbs(M), &exponent);
    // LAPACK's view: m rows, n columns, column-major.
    const int m = M.Ncols();
    const int n = M.Nrows();
    std::vector<double> a(M.Store(), M.Store() + Count(M));
    // The power of two itself is not a double when the elements are
    // subnormal; then each element is scaled on its own.
    if (std::abs(exponent) < 1000) {
        const double scale = std::ldexp(1.0, -exponent);
        for (double& x : a)
            x *= scale;
    } else {
        for (double& x : a)
            x = std::ldexp(x, -exponent);
    }
    std::vector<double> values(std::min(m, n));
    std::vector<int> iwork(8 * values.size());
    int info = 0;
    CallWithWorkspace([&](double* work, const int* length) {
        dgesdd_("N", &m, &n, a.data(), &m, values.data(), nullptr, &m, nullptr, &n, work, length,
                iwork.data(), &info, 1);
    });
    if (info != 0) nrerror(kSvdNotConverged);
    return values;
}

double RankTolerance(const Matrix& M, double sigmaMax) {
    return std::max(M.Nrows(), M.Ncols()) * std::numeric_limits<double>::epsilon() * sigmaMax;
}

} // namespace

int Rank(const Matrix& M) {
    if (Count(M) == 0) return 0;
    if (!AllFinite(M)) nrerror(kNonFinite);
    const std::vector<double> sigma = ScaledSingularValues(M);
    const double sigmaMax = sigma.front();
    if (sigmaMax == 0.0) return 0;
    const double limit = RankTolerance(M, sigmaMax);
    int rank = 0;
    for (double s : sigma)
        if (s > limit) ++rank;
    return rank;
}

double Condition(const Matrix& M) {
    if (Count(M) == 0 || !AllFinite(M)) return -2.0;
    try {
        const std::vector<double> sigma = ScaledSingularValues(M);
        const double sigmaMax = sigma.front();
        const double sigmaMin = sigma.back();
        if (sigmaMin == 0.0 || sigmaMin <= RankTolerance(M, sigmaMax)) return -1.0;
        return sigmaMax / sigmaMin;
    } catch (const ztmath::MathError&) {
        return -2.0;
    }
}

double Tr(const Matrix& M) {
    ConstView m(M);
    double sum = 0.0;
    for (int i = 1; i <= std::min(M.Nrows(), M.Ncols()); ++i)
        sum += m(i, i);
    return sum;
}

double RNorm(const Matrix& v) {
    // Scaled by the largest magnitude so that squares neither overflow nor
    // underflow.
    const double big = MaxAbs(v);
    if (big == 0.0 || !std::isfinite(big)) return big;
    const double* p = v.Store();
    double sum = 0.0;
    for (long k = 0; k < Count(v); ++k) {
        const double s = p[k] / big;
        sum += s * s;
    }
    return big * std::sqrt(sum);
}

double VectorDotProd(const Matrix& A, const Matrix& B) {
    if (Count(A) != Count(B)) nrerror(kSizeMismatch);
    const double* a = A.Store();
    const double* b = B.Store();
    double sum = 0.0;
    for (long k = 0; k < Count(A); ++k)
        sum += a[k] * b[k];
    return sum;
}
