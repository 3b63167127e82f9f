#pragma once
// Changes made to every element of a matrix on its own.

#include <newmat.h>

// Each element replaced by f(element), in reading order.
void ApplyToElements(NEWMAT::Matrix& m, double (*f)(double));

// x truncated toward zero. Values inside the 32-bit integer range pass
// through an int as they always have (so -0.5 gives +0); larger magnitudes
// keep their integer part, and not-a-number stays, instead of overflowing.
double IntegerPart(double x);

// IntegerPart of every element.
void TruncateElements(NEWMAT::Matrix& m);
