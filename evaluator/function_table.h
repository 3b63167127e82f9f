#pragma once

#include <string_view>

// Codes of the function names a lower-case word can call; 0 is no function.
enum FunctionCode {
    NotAFunction = 0,
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

// Exact, case-sensitive match against the function names; NotAFunction
// when the word names none.
FunctionCode LookupFunction(std::string_view word);
