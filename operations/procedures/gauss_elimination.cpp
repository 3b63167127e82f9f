#include "operations/procedures/gauss_elimination.h"

#include "calculator/calculator.h"
#include "calculator/exact_path.h"
#include "exact/exact_algebra.h"
#include "exact/float_steps.h"
#include "matrixlib/linear_solvers.h"

namespace {

constexpr char kGaussElimination[] = "Gauss Elimination";
constexpr char kNotFinite[] = "No steps for a matrix with an element that is not finite";

bool ReduceExactly(Calculator& calculator, NEWMAT::Matrix& m) {
    const std::optional<RationalMatrix> exact = ExactOperand(calculator, m);
    if (!exact) return false;
    const ExactResult<RationalMatrix> reduced = ExactRref(*exact);
    if (!reduced.IsDone()) return false;
    KeepExactSteps(calculator, kGaussElimination, *exact, RrefSteps(*exact));
    m = NearestDoubles(reduced.value);
    NoticeExact(calculator);
    return true;
}

} // namespace

void ReduceWithSteps(Calculator& calculator, NEWMAT::Matrix& m) {
    if (ReduceExactly(calculator, m)) return;
    const ElementText element = DisplayElementText(calculator);
    KeptSteps kept{kGaussElimination, ShowMatrix(m, element), {}, {}};
    const FloatElimination run = GaussWithSteps(m);
    if (!run.finite) {
        DoGauss(m);
        kept.note = kNotFinite;
    } else if (!run.stepsKept) {
        kept.note = StepsLimitNote();
    } else {
        kept.steps = ShowSteps(run.steps, element);
    }
    KeepSteps(calculator, std::move(kept));
    NoticeFloatingPoint(calculator);
}
