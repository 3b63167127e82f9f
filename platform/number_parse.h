#pragma once
// Text-to-number conversions with the C runtime's syntax (strtod, atof, atoi)
// that ignore the process locale: the decimal point is always ".".

#include <string>

// strtod: skips leading white space, reads the longest prefix that forms a
// number (sign, digits, point, exponent; also hexadecimal, "inf", "nan") and
// returns its value; *end receives the first character not read, or `text`
// when no number starts there (the value is then 0). Overflow gives +-HUGE_VAL.
// `text` must be NUL-terminated.
double ReadCNumber(const char* text, const char** end);

// The quick case of ReadCNumber, for readers of long texts: an optional sign,
// digits with at most one point among them, and no white space in front. It
// reads only numbers it can give exactly as strtod does (few enough digits,
// no letter, digit or point after them) and returns false, reading nothing,
// for any other text.
bool ReadShortDecimal(const char* text, double& value, const char** end);

// atof: ReadCNumber of the whole text, 0 when no number starts it.
double ParseLeadingDouble(const std::string& text);
