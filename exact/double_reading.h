#pragma once
// Reading a double as the exact number it was most likely meant to be.

#include "exact/rational_matrix.h"

#include <gmpxx.h>
#include <newmat.h>

#include <optional>

// The largest denominator a fraction reading may have.
inline constexpr long long kLargestFractionDenominator = 1000000000000LL; // 10^12

// The fraction with the smallest denominator among those that round to
// exactly `value` (found in the interval of reals that round to it), when
// that denominator is at most 10^12; an integer value is itself. None for
// NaN and the infinities, and when no such fraction exists.
std::optional<mpq_class> SimplestFraction(double value);

// The shortest decimal of at most 15 significant digits that reads back as
// `value`, as an exact rational (0.1 is 1/10); none when `value` needs more
// digits or is not finite.
std::optional<mpq_class> ShortDecimal(double value);

// SimplestFraction, else ShortDecimal.
std::optional<mpq_class> ReadRational(double value);

// Every element by ReadRational; none when one element has no reading.
std::optional<RationalMatrix> ReadRationalMatrix(const NEWMAT::Matrix& m);
