#pragma once

#include "evaluator/eval_errors.h"

#include <newmat.h>

#include <optional>

// What the operators of an expression do to their operands (the functions
// are rows of function_table.h).
// Each returns the code it raises, if any; on a raised code the left
// operand keeps its value.

// M op N for op one of + - * / %; M receives the result.
std::optional<EvalError> CombineOperands(NEWMAT::Matrix& M, char op, const NEWMAT::Matrix& N);

// M ^ x where x is element (1, 1) of `exponent`.
std::optional<EvalError> RaiseToPower(NEWMAT::Matrix& M, const NEWMAT::Matrix& exponent);
