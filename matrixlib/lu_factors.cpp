#include "matrixlib/lu_factors.h"

#include "matrixlib/lapack_routines.h"
#include "matrixlib/matrix_view.h"
#include "matrixlib/zt_error.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace ztmath::detail {

void TransposeStore(const double* src, int rows, int cols, double* dst) {
    constexpr int kTile = 32;
    for (int i0 = 0; i0 < rows; i0 += kTile)
        for (int j0 = 0; j0 < cols; j0 += kTile) {
            const int i1 = std::min(rows, i0 + kTile);
            const int j1 = std::min(cols, j0 + kTile);
            for (int i = i0; i < i1; ++i)
                for (int j = j0; j < j1; ++j)
                    dst[static_cast<long>(j) * rows + i] = src[static_cast<long>(i) * cols + j];
        }
}

LuFactors::LuFactors(const Matrix& A) : n_(A.Nrows()) {
    RequireSquare(A);
    if (n_ == 0) return;
    lu_.resize(static_cast<size_t>(n_) * n_);
    TransposeStore(A.Store(), n_, n_, lu_.data());
    if (!AllFinite(A)) {
        singular_ = true;
        rcond_ = 0.0;
        return;
    }
    pivots_.resize(n_);
    int info = 0;
    dgetrf_(&n_, &n_, lu_.data(), &n_, pivots_.data(), &info);
    // An exactly zero pivot (info > 0) is singular outright. Otherwise the
    // condition number decides: rounding leaves an exactly singular matrix
    // of decimals with a small but non-zero last pivot, which no pivot
    // threshold tells from a small pivot of a well-conditioned matrix.
    rcond_ = info > 0 ? 0.0 : EstimateReciprocalCondition(A);
    singular_ = !(rcond_ >= SingularityThreshold());
}

double LuFactors::SingularityThreshold() const {
    return n_ * std::numeric_limits<double>::epsilon();
}

double LuFactors::EstimateReciprocalCondition(const Matrix& A) const {
    // Elements far from 1 would take the norm or the estimate of ‖A⁻¹‖
    // out of the double range: then U and A are scaled by the same power of
    // two (L does not change), which leaves the ratio as it is.
    int exponent = 0;
    std::frexp(MaxAbs(A), &exponent);
    const double* factors = lu_.data();
    std::vector<double> scaledFactors;
    double norm = 0.0;
    if (std::abs(exponent) > 256) {
        const double scale = std::ldexp(1.0, -exponent);
        norm = OneNorm(A * scale);
        scaledFactors = lu_;
        for (int j = 0; j < n_; ++j)
            for (int i = 0; i <= j; ++i)
                scaledFactors[static_cast<size_t>(j) * n_ + i] *= scale;
        factors = scaledFactors.data();
    } else {
        norm = OneNorm(A);
    }
    double rcond = 0.0;
    int info = 0;
    std::vector<double> work(static_cast<size_t>(4) * n_);
    std::vector<int> iwork(static_cast<size_t>(n_));
    dgecon_("1", &n_, factors, &n_, &norm, &rcond, work.data(), iwork.data(), &info, 1);
    return rcond;
}

int LuFactors::Parity() const {
    int parity = 1;
    for (int k = 0; k < static_cast<int>(pivots_.size()); ++k)
        if (pivots_[k] != k + 1) parity = -parity;
    return parity;
}

double LuFactors::Determinant() const {
    return DeterminantProduct().Value();
}

ScaledProduct LuFactors::DeterminantProduct() const {
    ScaledProduct det;
    if (singular_) {
        det.MultiplyBy(0.0);
        return det;
    }
    det.MultiplyBy(Parity());
    for (int k = 0; k < n_; ++k)
        det.MultiplyBy(lu_[static_cast<size_t>(k) * n_ + k]);
    return det;
}

void LuFactors::RequireRegular() const {
    if (singular_) nrerror(kSingular);
}

void LuFactors::Solve(Matrix& B) const {
    if (B.Nrows() != n_) nrerror(kSizeMismatch);
    RequireRegular();
    const int m = B.Ncols();
    if (n_ == 0 || m == 0) return;
    std::vector<double> x(static_cast<size_t>(n_) * m);
    TransposeStore(B.Store(), n_, m, x.data());
    int info = 0;
    dgetrs_("N", &n_, &m, lu_.data(), &n_, pivots_.data(), x.data(), &n_, &info, 1);
    TransposeStore(x.data(), m, n_, B.Store());
}

Matrix LuFactors::Inverse() const {
    RequireRegular();
    Matrix X = Sized(n_, n_);
    if (n_ == 0) return X;
    std::vector<double> inverse = lu_;
    int info = 0;
    CallWithWorkspace(
        [&](double* work, const int* length) {
            dgetri_(&n_, inverse.data(), &n_, pivots_.data(), work, length, &info);
        },
        n_);
    TransposeStore(inverse.data(), n_, n_, X.Store());
    return X;
}

void LuFactors::Compact(Matrix& M, std::vector<int>& swaps) const {
    RequireRegular();
    M.ReSize(n_, n_);
    swaps.assign(n_ + 1, 0);
    if (n_ == 0) return;
    TransposeStore(lu_.data(), n_, n_, M.Store());
    for (int k = 1; k <= n_; ++k)
        swaps[k] = pivots_[k - 1];
}

} // namespace ztmath::detail
