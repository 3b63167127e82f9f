#include "matrixlib/rotation_sweep.h"

#include "matrixlib/two_halves.h"
#include "matrixlib/vector_clones.h"

#if ZT_AVX2_KERNELS
#include <immintrin.h>
#endif

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

#if ZT_AVX2_KERNELS
// The wide block with the carried row in eight AVX2 registers, which the
// compiler does not manage by itself: the same multiplications, additions
// and subtractions in the same order, so the same bits.
__attribute__((target("avx2"))) void SweepsOverWideBlockAvx2(double* rows, long length,
                                                             const SweepView* sweeps,
                                                             std::size_t n, int column) {
    constexpr int kVectors = kBlockColumns / 4;
    for (std::size_t i = 0; i < n; ++i) {
        const SweepView& sweep = sweeps[i];
        __m256d carry[kVectors];
        const double* first = rows + sweep.bottom * length + column;
        for (int v = 0; v < kVectors; ++v)
            carry[v] = _mm256_loadu_pd(first + 4 * v);
        double* upper = rows + (sweep.bottom - 1) * length + column;
        for (int k = 0; k < sweep.count; ++k, upper -= length) {
            const __m256d c = _mm256_broadcast_sd(sweep.c + k);
            const __m256d s = _mm256_broadcast_sd(sweep.s + k);
            for (int v = 0; v < kVectors; ++v) {
                const __m256d x = _mm256_loadu_pd(upper + 4 * v);
                _mm256_storeu_pd(upper + length + 4 * v,
                                 _mm256_add_pd(_mm256_mul_pd(s, x), _mm256_mul_pd(c, carry[v])));
                carry[v] = _mm256_sub_pd(_mm256_mul_pd(c, x), _mm256_mul_pd(s, carry[v]));
            }
        }
        double* last = rows + (sweep.bottom - sweep.count) * length + column;
        for (int v = 0; v < kVectors; ++v)
            _mm256_storeu_pd(last + 4 * v, carry[v]);
    }
}
#endif

void SweepsOverWideBlock(double* rows, long length, const SweepView* sweeps, std::size_t n,
                         int column) {
#if ZT_AVX2_KERNELS
    static const bool avx2 = __builtin_cpu_supports("avx2");
    if (avx2) {
        SweepsOverWideBlockAvx2(rows, length, sweeps, n, column);
        return;
    }
#endif
    SweepsOverBlock<kBlockColumns>(rows, length, sweeps, n, column);
}

ZT_VECTOR_CLONES
void SweepColumns(double* rows, long length, const SweepView* sweeps, std::size_t n, int begin,
                  int end) {
    int column = begin;
    for (; column + kBlockColumns <= end; column += kBlockColumns)
        SweepsOverWideBlock(rows, length, sweeps, n, column);
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
