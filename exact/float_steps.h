#pragma once
// Gauss elimination in floating point with its steps: the library's own
// elimination (DoGauss) run with an observer, so the reduced form is the
// one DoGauss gives, bit for bit.

#include "exact/row_operation.h"

#include <newmat.h>

#include <vector>

struct FloatStep {
    FloatRowOperation operation;
    NEWMAT::Matrix after;
};

struct FloatElimination {
    // False for a matrix with a non-finite element: nothing was done.
    bool finite = true;
    // False when the matrix has more than kLargestSteppedElements
    // elements: then no steps are kept.
    bool stepsKept = true;
    std::vector<FloatStep> steps;
};

// M becomes its reduced row echelon form as DoGauss makes it.
FloatElimination GaussWithSteps(NEWMAT::Matrix& M);
