#pragma once
// Text-to-number conversions with the C runtime's syntax (strtod, atof, atoi)
// that ignore the process locale: the decimal point is always ".".

#include <string>

// strtod: skips leading white space, reads the longest prefix that forms a
// number (sign, digits, point, exponent; also hexadecimal, "inf", "nan") and
// returns its value; *end receives the first character not read, or `text`
// when no number starts there (the value is then 0). Overflow gives +-HUGE_VAL.
// `text` must be NUL-terminated. Decimal numbers are read by fast_float
// (platform/plain_decimal.h), which rounds as strtod does; the rest
// (hexadecimal, "inf", "nan", values out of range) by strtod itself.
double ReadCNumber(const char* text, const char** end);

// atof: ReadCNumber of the whole text, 0 when no number starts it.
double ParseLeadingDouble(const std::string& text);
