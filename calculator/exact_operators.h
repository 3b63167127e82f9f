#pragma once
// Inv and the two-operand operators in exact arithmetic, taken while the
// Fraction format is in force and the operands read exactly (ExactOperand).
// Each answers none when the exact path does not apply, so the operator
// computes in floating point; otherwise it has said "exact" in the notice
// place and its result is the correctly rounded doubles of the exact value,
// or Singular for an exactly singular matrix.

#include <newmat.h>

#include <optional>

#include "calculator/calculator.h"
#include "exact/exact_result.h"

// A⁻¹, keeping the steps of the elimination on [A | I] for View > Steps.
std::optional<ExactResult<NEWMAT::Matrix>> ExactInverseOf(Calculator& calculator,
                                                          const NEWMAT::Matrix& m);

// a + b, a − b, a·b (matrix multiplication only) and a·b⁻¹ for shapes the
// operator has already accepted.
std::optional<ExactResult<NEWMAT::Matrix>> ExactCombination(Calculator& calculator,
                                                            PendingOperation operation,
                                                            const NEWMAT::Matrix& a,
                                                            const NEWMAT::Matrix& b);
