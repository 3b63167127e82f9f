#include "calculator/exact_operators.h"

#include "calculator/exact_path.h"
#include "exact/exact_algebra.h"
#include "exact/exact_steps.h"

namespace {

constexpr char kInverseSteps[] = "Inv";

// Statuses other than Done and Singular (sizes the operator refused, a
// matrix beyond the limit) leave the work to floating point.
std::optional<ExactResult<NEWMAT::Matrix>> InDoubles(Calculator& calculator,
                                                     const ExactResult<RationalMatrix>& exact) {
    if (!exact.IsDone() && exact.status != ExactStatus::Singular) return std::nullopt;
    NoticeExact(calculator);
    ExactResult<NEWMAT::Matrix> result{exact.status, {}};
    if (exact.IsDone()) result.value = NearestDoubles(exact.value);
    return result;
}

} // namespace

std::optional<ExactResult<NEWMAT::Matrix>> ExactInverseOf(Calculator& calculator,
                                                          const NEWMAT::Matrix& m) {
    const std::optional<RationalMatrix> a = ExactOperand(calculator, m);
    if (!a) return std::nullopt;
    std::optional<ExactResult<NEWMAT::Matrix>> result = InDoubles(calculator, ExactInverse(*a));
    // A singular matrix keeps its steps too: they show where the pivots ran out.
    if (result)
        KeepExactSteps(calculator, kInverseSteps, SideBySide(*a, RationalMatrix::Identity(a->Rows())),
                       InverseSteps(*a));
    return result;
}

std::optional<ExactResult<NEWMAT::Matrix>> ExactCombination(Calculator& calculator,
                                                            PendingOperation operation,
                                                            const NEWMAT::Matrix& a,
                                                            const NEWMAT::Matrix& b) {
    if (operation == PendingOperation::Multiply &&
        calculator.GetMultiplyMode() != MultiplyKind::Matrix)
        return std::nullopt;
    const std::optional<RationalMatrix> x = ExactOperand(calculator, a);
    if (!x) return std::nullopt;
    const std::optional<RationalMatrix> y = ExactOperand(calculator, b);
    if (!y) return std::nullopt;
    switch (operation) {
    case PendingOperation::Add: return InDoubles(calculator, ExactSum(*x, *y));
    case PendingOperation::Subtract: return InDoubles(calculator, ExactDifference(*x, *y));
    case PendingOperation::Multiply: return InDoubles(calculator, ExactProduct(*x, *y));
    case PendingOperation::Divide: return InDoubles(calculator, ExactQuotient(*x, *y));
    default: return std::nullopt;
    }
}
