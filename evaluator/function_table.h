#pragma once
// The functions an expression can call: one row each, holding the name, the
// code the parser reports and what the function does to its argument.

#include <newmat.h>

#include <optional>
#include <string_view>

#include "evaluator/eval_errors.h"

// The codes the parser reports for the functions ("op = N").
enum FunctionCode {
    FnSin = 1,
    FnCos = 2,
    FnTan = 3,
    FnLog = 4,
    FnLn = 5,
    FnExp = 6,
    FnDeg = 7,
    FnRad = 8,
    FnArcsin = 9,
    FnArcos = 10,
    FnArctan = 11,
    FnDet = 12,
    FnTrans = 13,
    FnInv = 14,
    FnTrace = 15,
    FnRowvec = 16,
    FnColvec = 17,
    FnAdj = 18,
    FnRref = 19,
    FnNorm = 20,
    FnFlip = 21,
    FnFlop = 22,
    FnSqrt = 23,
    FnLuu = 24,
    FnLul = 25,
};

struct FunctionRow {
    const char* name;
    FunctionCode code;
    // M := f(M); returns the code it raises, if any, and then M keeps its value.
    std::optional<EvalError> (*apply)(NEWMAT::Matrix& M);
};

// Exact, case-sensitive match against the function names; nullptr when the
// word names none.
const FunctionRow* LookupFunction(std::string_view word);

// M := f(M) for the function of the row; an empty M stays as it is.
std::optional<EvalError> ApplyFunction(const FunctionRow& function, NEWMAT::Matrix& M);
