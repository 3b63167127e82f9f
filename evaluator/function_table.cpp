#include "evaluator/function_table.h"

namespace {

struct FunctionEntry {
    const char* name;
    FunctionCode code;
};

const FunctionEntry kFunctions[] = {
    {"sin", FnSin},       {"cos", FnCos},     {"tan", FnTan},       {"log", FnLog},
    {"ln", FnLn},         {"exp", FnExp},     {"deg", FnDeg},       {"rad", FnRad},
    {"arcsin", FnArcsin}, {"arcos", FnArcos}, {"arctan", FnArctan}, {"det", FnDet},
    {"trans", FnTrans},   {"inv", FnInv},     {"trace", FnTrace},   {"rowvec", FnRowvec},
    {"colvec", FnColvec}, {"adj", FnAdj},     {"rref", FnRref},     {"norm", FnNorm},
    {"flip", FnFlip},     {"flop", FnFlop},   {"sqrt", FnSqrt},     {"luu", FnLuu},
    {"lul", FnLul},
};

} // namespace

FunctionCode LookupFunction(std::string_view word) {
    for (const FunctionEntry& entry : kFunctions) {
        if (word == entry.name) return entry.code;
    }
    return NotAFunction;
}
