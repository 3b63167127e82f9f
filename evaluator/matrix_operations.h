#pragma once

#include "evaluator/eval_errors.h"
#include "evaluator/function_table.h"

#include <newmat.h>

#include <optional>

// What the operators and functions of an expression do to their operands.
// Each returns the code it raises, if any; on a raised code the left
// operand keeps its value.

// M op N for op one of + - * / %; M receives the result.
std::optional<EvalError> CombineOperands(NEWMAT::Matrix& M, char op, const NEWMAT::Matrix& N);

// M ^ x where x is element (1, 1) of `exponent`.
std::optional<EvalError> RaiseToPower(NEWMAT::Matrix& M, const NEWMAT::Matrix& exponent);

// M := f(M) for the function of `code`.
std::optional<EvalError> ApplyFunction(FunctionCode code, NEWMAT::Matrix& M);
