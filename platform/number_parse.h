#pragma once
// Text-to-number conversions with the C runtime's syntax (strtod, atof, atoi)
// that ignore the process locale: the decimal point is always ".".

#include <string>

// strtod: skips leading white space, reads the longest prefix that forms a
// number (sign, digits, point, exponent; also hexadecimal, "inf", "nan") and
// returns its value; *end receives the first character not read, or `text`
// when no number starts there (the value is then 0). Overflow gives +-HUGE_VAL.
// `text` must be NUL-terminated. Decimal numbers are read by std::from_chars,
// which rounds as strtod does; the rest (hexadecimal, "inf", "nan", values
// out of range) by strtod itself.
double ReadCNumber(const char* text, const char** end);

// The quick case of ReadCNumber for readers that know where their text ends:
// a number of an optional sign, digits and at most one point, with no white
// space in front, read by std::from_chars into `value`. Returns the end of
// the number, or null, reading nothing, when the text at `text` is not such
// a number or strtod would read on (an exponent, hexadecimal digits) or
// give a value out of range: ReadCNumber reads those. The character at `end`
// must be readable (a NUL or more of the text).
const char* ReadPlainDecimal(const char* text, const char* end, double& value);

// atof: ReadCNumber of the whole text, 0 when no number starts it.
double ParseLeadingDouble(const std::string& text);
