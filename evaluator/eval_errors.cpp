#include "evaluator/eval_errors.h"

namespace {

const char* const kErrorTexts[] = {
    "Syntax Error",          "Unbalanced Parentheses", "No Expression Present",
    "Matrix Does Not Exist", "Unable to Open File",    "Incompatible Dimensions",
    "Product not defined",   "Singular Matrix",        "Meaningless Expression",
    "Operation Undefined",   "Not enough memory",
};

} // namespace

const char* ErrorText(EvalError code) {
    return kErrorTexts[code];
}

std::string ErrorLine(EvalError code) {
    return std::string("Error: ") + ErrorText(code);
}
