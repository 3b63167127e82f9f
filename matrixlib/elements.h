#pragma once
// Changes made to every element of a matrix on its own.

#include <newmat.h>

#include <numbers>

// The one pi of the program, and the two angle conversions every element
// function of both programs uses.
inline constexpr double kPi = std::numbers::pi;
inline double DegreesFromRadians(double radians) {
    return radians * (180.0 / kPi);
}
inline double RadiansFromDegrees(double degrees) {
    return degrees * (kPi / 180.0);
}

// Each element replaced by f(element), in reading order.
void ApplyToElements(NEWMAT::Matrix& m, double (*f)(double));

// x truncated toward zero. Values inside the 32-bit integer range pass
// through an int as they always have (so -0.5 gives +0); larger magnitudes
// keep their integer part, and not-a-number stays, instead of overflowing.
double IntegerPart(double x);

// IntegerPart of every element.
void TruncateElements(NEWMAT::Matrix& m);
