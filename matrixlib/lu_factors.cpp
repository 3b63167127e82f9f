#include "matrixlib/lu_factors.h"

#include "matrixlib/lapack_routines.h"
#include "matrixlib/matrix_view.h"
#include "matrixlib/zt_error.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <utility>

namespace ztmath::detail {

std::unique_ptr<double[]> UnfilledDoubles(std::size_t count) {
    return std::make_unique_for_overwrite<double[]>(count);
}

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

void TransposeSquareInPlace(double* a, int n) {
    constexpr int kTile = 32;
    for (int i0 = 0; i0 < n; i0 += kTile)
        for (int j0 = i0; j0 < n; j0 += kTile) {
            const int i1 = std::min(n, i0 + kTile);
            const int j1 = std::min(n, j0 + kTile);
            for (int i = i0; i < i1; ++i)
                for (int j = std::max(j0, i + 1); j < j1; ++j)
                    std::swap(a[static_cast<long>(i) * n + j], a[static_cast<long>(j) * n + i]);
        }
}

namespace {

// What the singularity rule needs of A besides its factors.
struct Measures {
    bool finite = true;
    double largest = 0.0;
    double oneNorm = 0.0;
};

// One pass over A's rows, each copied to `copy` (unless null) while it is
// in cache. The column sums run down the rows, as OneNorm adds them; the
// largest magnitude and the finiteness are kept per lane of kLanes columns,
// so that no running value holds the loop up and it vectorises.
Measures MeasureRows(const Matrix& A, double* copy) {
    constexpr int kLanes = 8;
    const int rows = A.Nrows();
    const int cols = A.Ncols();
    std::vector<double> sums(static_cast<size_t>(cols), 0.0);
    double largest[kLanes] = {};
    unsigned nonFinite[kLanes] = {};
    const auto take = [&](double x, double& sum, int lane) {
        const double magnitude = std::fabs(x);
        sum += magnitude;
        largest[lane] = magnitude > largest[lane] ? magnitude : largest[lane];
        nonFinite[lane] |= !(magnitude <= std::numeric_limits<double>::max());
    };
    for (int i = 0; i < rows; ++i) {
        const double* row = A.Store() + static_cast<long>(i) * cols;
        int j = 0;
        for (; j + kLanes <= cols; j += kLanes)
            for (int lane = 0; lane < kLanes; ++lane)
                take(row[j + lane], sums[j + lane], lane);
        for (; j < cols; ++j)
            take(row[j], sums[j], 0);
        if (copy) std::copy(row, row + cols, copy + static_cast<long>(i) * cols);
    }
    Measures measures;
    for (int lane = 0; lane < kLanes; ++lane) {
        measures.finite = measures.finite && nonFinite[lane] == 0;
        measures.largest = std::max(measures.largest, largest[lane]);
    }
    for (double sum : sums)
        measures.oneNorm = std::max(measures.oneNorm, sum);
    return measures;
}

} // namespace

LuFactors::LuFactors(const Matrix& A, Exchanges exchanges) : n_(A.Nrows()), exchanges_(exchanges) {
    RequireSquare(A);
    if (n_ == 0) return;
    lu_ = UnfilledDoubles(static_cast<size_t>(n_) * n_);
    Measures measures;
    if (exchanges_ == Exchanges::Columns) {
        measures = MeasureRows(A, lu_.get());
    } else {
        TransposeStore(A.Store(), n_, n_, lu_.get());
        measures = MeasureRows(A, nullptr);
    }
    if (!measures.finite) {
        finite_ = false;
        singular_ = true;
        rcond_ = 0.0;
        return;
    }
    pivots_.resize(n_);
    int info = 0;
    dgetrf_(&n_, &n_, lu_.get(), &n_, pivots_.data(), &info);
    // An exactly zero pivot (info > 0) is singular outright. Otherwise the
    // condition number decides: rounding leaves an exactly singular matrix
    // of decimals with a small but non-zero last pivot, which no pivot
    // threshold tells from a small pivot of a well-conditioned matrix.
    rcond_ = info > 0 ? 0.0 : EstimateReciprocalCondition(A, measures.largest, measures.oneNorm);
    singular_ = !(rcond_ >= SingularityThreshold());
}

double LuFactors::SingularityThreshold() const {
    return n_ * std::numeric_limits<double>::epsilon();
}

double LuFactors::EstimateReciprocalCondition(const Matrix& A, double largest,
                                               double oneNorm) const {
    // Elements far from 1 would take the norm or the estimate of ‖A⁻¹‖
    // out of the double range: then U and A are scaled by the same power of
    // two (L does not change), which leaves the ratio as it is.
    int exponent = 0;
    std::frexp(largest, &exponent);
    const double* factors = lu_.get();
    std::vector<double> scaledFactors;
    double norm = 0.0;
    if (std::abs(exponent) > 256) {
        const double scale = std::ldexp(1.0, -exponent);
        norm = OneNorm(A * scale);
        scaledFactors.assign(lu_.get(), lu_.get() + static_cast<size_t>(n_) * n_);
        for (int j = 0; j < n_; ++j)
            for (int i = 0; i <= j; ++i)
                scaledFactors[static_cast<size_t>(j) * n_ + i] *= scale;
        factors = scaledFactors.data();
    } else {
        norm = oneNorm;
    }
    double rcond = 0.0;
    int info = 0;
    std::vector<double> work(static_cast<size_t>(4) * n_);
    std::vector<int> iwork(static_cast<size_t>(n_));
    // ‖A‖₁ = ‖Aᵀ‖∞, and the same of the inverses: for the factors of Aᵀ
    // the estimate is the ∞-norm one.
    const char* const norm1 = exchanges_ == Exchanges::Columns ? "I" : "1";
    dgecon_(norm1, &n_, factors, &n_, &norm, &rcond, work.data(), iwork.data(), &info, 1);
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
    const std::unique_ptr<double[]> x = UnfilledDoubles(static_cast<size_t>(n_) * m);
    TransposeStore(B.Store(), n_, m, x.get());
    int info = 0;
    // A·X = B is Aᵀ's system transposed.
    const char* const trans = exchanges_ == Exchanges::Columns ? "T" : "N";
    dgetrs_(trans, &n_, &m, lu_.get(), &n_, pivots_.data(), x.get(), &n_, &info, 1);
    TransposeStore(x.get(), m, n_, B.Store());
}

Matrix LuFactors::Inverse() const {
    RequireRegular();
    Matrix X = Sized(n_, n_);
    if (n_ == 0) return X;
    // Inverted in X's own store, column-major there. The inverse of Aᵀ so
    // stored is A⁻¹ row-major; A's own inverse is turned row-major.
    std::copy(lu_.get(), lu_.get() + static_cast<size_t>(n_) * n_, X.Store());
    int info = 0;
    CallWithWorkspace(
        [&](double* work, const int* length) {
            dgetri_(&n_, X.Store(), &n_, pivots_.data(), work, length, &info);
        },
        n_);
    if (exchanges_ == Exchanges::Rows) TransposeSquareInPlace(X.Store(), n_);
    return X;
}

void LuFactors::Compact(Matrix& M, std::vector<int>& swaps) const {
    RequireRegular();
    M.ReSize(n_, n_);
    swaps.assign(n_ + 1, 0);
    if (n_ == 0) return;
    TransposeStore(lu_.get(), n_, n_, M.Store());
    for (int k = 1; k <= n_; ++k)
        swaps[k] = pivots_[k - 1];
}

} // namespace ztmath::detail
