#include "matrixlib/rotation_batch.h"

#include "matrixlib/column_halves.h"

#include <algorithm>

namespace ztmath::detail {

namespace {

// Rotations applied together: enough to reuse each column block many
// times, few enough to keep the list in cache beside it.
constexpr std::size_t kBatchSize = 8192;
// Columns of one block: with 500 rows a block is half a megabyte.
constexpr int kBlockColumns = 128;

} // namespace

RotationBatch::RotationBatch(double* rows, int rowCount, int length)
    : rows_(rows), length_(length) {
    pending_.reserve(std::min<std::size_t>(kBatchSize, static_cast<std::size_t>(rowCount) * 4));
}

void RotationBatch::Add(int upper, double c, double s) {
    if (pending_.size() == kBatchSize) Flush();
    pending_.push_back({upper, c, s});
}

void RotationBatch::Flush() {
    if (pending_.empty()) return;
    ForColumnHalves(length_, [this](int begin, int end) { ApplyToColumns(begin, end); });
    pending_.clear();
}

void RotationBatch::ApplyToColumns(int begin, int end) const {
    const long stride = length_;
    for (int block = begin; block < end; block += kBlockColumns) {
        const int width = std::min(kBlockColumns, end - block);
        for (const Rotation& r : pending_) {
            double* __restrict upper = rows_ + r.upper * stride + block;
            double* __restrict lower = upper + stride;
            const double c = r.c;
            const double s = r.s;
            for (int k = 0; k < width; ++k) {
                const double next = lower[k];
                lower[k] = s * upper[k] + c * next;
                upper[k] = c * upper[k] - s * next;
            }
        }
    }
}

} // namespace ztmath::detail
