#include "exact/exact_steps.h"

#include "exact/exact_algebra.h"

#include <utility>

namespace {

void SwapRows(RationalMatrix& m, int a, int b) {
    for (int j = 1; j <= m.Columns(); ++j)
        std::swap(m(a, j), m(b, j));
}

class StepRecorder {
  public:
    explicit StepRecorder(RationalMatrix m) : m_(std::move(m)) {}

    void Reduce() {
        int r = 1;
        for (int c = 1; c <= m_.Columns() && r <= m_.Rows(); ++c) {
            int p = r;
            while (p <= m_.Rows() && sgn(m_(p, c)) == 0)
                ++p;
            if (p > m_.Rows()) continue;
            if (p != r) {
                SwapRows(m_, p, r);
                Record(RowOperationKind::Swap, r, p, 0);
            }
            if (m_(r, c) != 1) {
                const mpq_class multiplier = 1 / m_(r, c);
                for (int j = c; j <= m_.Columns(); ++j)
                    m_(r, j) *= multiplier;
                Record(RowOperationKind::Scale, r, r, multiplier);
            }
            for (int i = 1; i <= m_.Rows(); ++i) {
                if (i == r || sgn(m_(i, c)) == 0) continue;
                const mpq_class factor = m_(i, c);
                for (int j = c; j <= m_.Columns(); ++j)
                    m_(i, j) -= factor * m_(r, j);
                Record(RowOperationKind::Subtract, i, r, factor);
            }
            ++r;
        }
    }

    std::vector<ExactStep> Take() { return std::move(steps_); }

  private:
    void Record(RowOperationKind kind, int target, int source, const mpq_class& factor) {
        steps_.push_back({{kind, target, source, 0, factor}, m_});
    }

    RationalMatrix m_;
    std::vector<ExactStep> steps_;
};

} // namespace

ExactResult<std::vector<ExactStep>> RrefSteps(const RationalMatrix& m) {
    if (static_cast<long>(m.Rows()) * m.Columns() > kLargestSteppedElements)
        return {ExactStatus::TooLarge, {}};
    StepRecorder recorder(m);
    recorder.Reduce();
    return {ExactStatus::Done, recorder.Take()};
}

ExactResult<std::vector<ExactStep>> InverseSteps(const RationalMatrix& a) {
    if (a.Rows() != a.Columns()) return {ExactStatus::NotSquare, {}};
    return RrefSteps(SideBySide(a, RationalMatrix::Identity(a.Rows())));
}

ExactResult<std::vector<ExactStep>> SolveSteps(const RationalMatrix& a, const RationalMatrix& b) {
    if (a.Rows() != b.Rows()) return {ExactStatus::SizeMismatch, {}};
    return RrefSteps(SideBySide(a, b));
}
