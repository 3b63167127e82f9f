#include "matrixlib/measures.h"

#include "matrixlib/matrix_view.h"
#include "matrixlib/zt_error.h"

#include <newmatap.h>

#include <algorithm>
#include <cmath>
#include <limits>

using namespace ztmath::detail;

namespace {

// Singular values, largest first, of M scaled by a power of two (exact) so
// that its largest element is near 1: newmat's SVD returns zeros for a matrix
// of very small elements and overflows on one of very large elements, while
// rank and condition do not depend on the scale. newmat's SVD wants rows ≥
// columns, so a wide matrix is decomposed through its transpose.
NEWMAT::DiagonalMatrix ScaledSingularValues(const Matrix& M) {
    int exponent = 0;
    std::frexp(MaxAbs(M), &exponent);
    const Matrix scaled = M * std::ldexp(1.0, -exponent);
    NEWMAT::DiagonalMatrix D;
    if (M.Nrows() >= M.Ncols()) {
        NEWMAT::SVD(scaled, D);
    } else {
        Matrix T = scaled.t();
        NEWMAT::SVD(T, D);
    }
    NEWMAT::SortDescending(D);
    return D;
}

double RankTolerance(const Matrix& M, double sigmaMax) {
    return std::max(M.Nrows(), M.Ncols()) * std::numeric_limits<double>::epsilon() * sigmaMax;
}

} // namespace

int Rank(const Matrix& M) {
    if (Count(M) == 0) return 0;
    if (!AllFinite(M)) nrerror(kNonFinite);
    const NEWMAT::DiagonalMatrix D = ScaledSingularValues(M);
    const int k = D.Nrows();
    const double sigmaMax = D(1);
    if (sigmaMax == 0.0) return 0;
    const double limit = RankTolerance(M, sigmaMax);
    int rank = 0;
    for (int i = 1; i <= k; ++i)
        if (D(i) > limit) ++rank;
    return rank;
}

double Condition(const Matrix& M) {
    if (Count(M) == 0 || !AllFinite(M)) return -2.0;
    try {
        const NEWMAT::DiagonalMatrix D = ScaledSingularValues(M);
        const double sigmaMax = D(1);
        const double sigmaMin = D(D.Nrows());
        if (sigmaMin == 0.0 || sigmaMin <= RankTolerance(M, sigmaMax)) return -1.0;
        return sigmaMax / sigmaMin;
    } catch (const RBD_COMMON::BaseException&) {
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
