#pragma once

#include <string>

// Codes an evaluation raises; the numbers are part of the program's
// vocabulary and stay as they are.
enum EvalError {
    SyntaxError = 0,
    UnbalancedParentheses = 1,
    NoExpression = 2,
    MatrixDoesNotExist = 3,
    UnableToOpenFile = 4,
    IncompatibleDimensions = 5,
    ProductNotDefined = 6,
    SingularMatrix = 7,
    MeaninglessExpression = 8,
    OperationUndefined = 9,
    NotEnoughMemory = 10,
};

// The text shown for a code.
const char* ErrorText(EvalError code);

// The line shown for a raised code: "Error: " followed by its text.
std::string ErrorLine(EvalError code);
