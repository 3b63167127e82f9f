#include "matrixlib/rotation_sweep.h"

#include "matrixlib/two_halves.h"
#include "matrixlib/vector_clones.h"

namespace ztmath::detail {

namespace {

// Columns of one block: the carried row fills eight AVX2 registers.
constexpr int kBlockColumns = 32;
// Rotations gathered before they are applied: enough to pass over each
// block of columns many times while it is in cache, few enough to keep
// their sines and cosines there beside it.
constexpr std::size_t kGatheredRotations = 4096;
// Fewer element updates than this in a batch stay on one thread.
constexpr double kLeastSplitWork = 65536;
// Halves start on a multiple of this many doubles (a cache line).
constexpr int kAlignment = 8;

template <int W>
inline void SweepBlock(double* rows, long length, int bottom, int count, const double* c,
                       const double* s, int column) {
    double carry[W];
    const double* first = rows + bottom * length + column;
    for (int j = 0; j < W; ++j)
        carry[j] = first[j];
    for (int k = 0; k < count; ++k) {
        double* __restrict upper = rows + (bottom - 1 - k) * length + column;
        double* __restrict lower = upper + length;
        const double ck = c[k];
        const double sk = s[k];
        for (int j = 0; j < W; ++j) {
            const double x = upper[j];
            lower[j] = sk * x + ck * carry[j];
            carry[j] = ck * x - sk * carry[j];
        }
    }
    double* last = rows + (bottom - count) * length + column;
    for (int j = 0; j < W; ++j)
        last[j] = carry[j];
}

struct SweepView {
    int bottom;
    int count;
    const double* c;
    const double* s;
};

// Every sweep over columns column .. column + W − 1, in order.
template <int W>
inline void SweepsOverBlock(double* rows, long length, const SweepView* sweeps, std::size_t n,
                            int column) {
    for (std::size_t i = 0; i < n; ++i)
        SweepBlock<W>(rows, length, sweeps[i].bottom, sweeps[i].count, sweeps[i].c, sweeps[i].s,
                      column);
}

ZT_VECTOR_CLONES
void SweepColumns(double* rows, long length, const SweepView* sweeps, std::size_t n, int begin,
                  int end) {
    int column = begin;
    for (; column + kBlockColumns <= end; column += kBlockColumns)
        SweepsOverBlock<kBlockColumns>(rows, length, sweeps, n, column);
    // The last columns in narrower blocks: a single column waits on each
    // rotation's result before the next.
    if (column + 16 <= end) {
        SweepsOverBlock<16>(rows, length, sweeps, n, column);
        column += 16;
    }
    if (column + 8 <= end) {
        SweepsOverBlock<8>(rows, length, sweeps, n, column);
        column += 8;
    }
    if (column + 4 <= end) {
        SweepsOverBlock<4>(rows, length, sweeps, n, column);
        column += 4;
    }
    for (; column < end; ++column)
        SweepsOverBlock<1>(rows, length, sweeps, n, column);
}

} // namespace

RotationSweeps::RotationSweeps(double* rows, int length) : rows_(rows), length_(length) {}

void RotationSweeps::Add(int bottom, int count, const double* c, const double* s) {
    if (count <= 0 || length_ <= 0) return;
    sweeps_.push_back({bottom, count, c_.size()});
    c_.insert(c_.end(), c, c + count);
    s_.insert(s_.end(), s, s + count);
    if (c_.size() >= kGatheredRotations) Apply();
}

void RotationSweeps::Apply() {
    if (sweeps_.empty()) return;
    const double work = static_cast<double>(c_.size()) * length_;
    if (work < kLeastSplitWork || length_ < 2 * kBlockColumns) {
        ApplyToColumns(0, length_);
    } else {
        const int middle = length_ / 2 / kAlignment * kAlignment;
        RunHalves([&](int half) {
            if (half == 0)
                ApplyToColumns(0, middle);
            else
                ApplyToColumns(middle, length_);
        });
    }
    sweeps_.clear();
    c_.clear();
    s_.clear();
}

void RotationSweeps::ApplyToColumns(int begin, int end) const {
    std::vector<SweepView> views;
    views.reserve(sweeps_.size());
    for (const Sweep& sweep : sweeps_)
        views.push_back({sweep.bottom, sweep.count, c_.data() + sweep.first, s_.data() + sweep.first});
    SweepColumns(rows_, length_, views.data(), views.size(), begin, end);
}

} // namespace ztmath::detail
