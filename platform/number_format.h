#pragma once
// Number-to-text conversions that reproduce the C runtime conversions the
// calculator's texts are defined by (sprintf "%.Nf" and "%.Ne", _gcvt, _itoa).
// All of them are independent of the process locale: the decimal point is
// always ".", so a Qt window that switches the locale changes no text.
//
// Non-finite values are written as "inf", "-inf" and "nan" by every function
// here that takes a double (a NaN's sign is not written).

#include <cstddef>
#include <cstdint>
#include <string>

// Largest number of decimals written; a larger request is treated as this one.
// Beyond it a double has no further non-zero decimal digits to show.
inline constexpr int kMaxFormatDecimals = 1100;

// "%.Nf": fixed notation with `decimals` digits after the point (a negative
// count is taken as 0). FormatFixedDecimals(2.5, 2) == "2.50".
std::string FormatFixedDecimals(double value, int decimals);

// "%W.Df": as FormatFixedDecimals, right-aligned in a field of `fieldWidth`
// characters; a negative width left-aligns in a field of its absolute value
// (the "-" flag), width 0 gives no padding. FormatFixedField(1, 6, 2) == "  1.00".
std::string FormatFixedField(double value, int fieldWidth, int decimals);

// "%.Ne" with the exponent always written with its sign and at least three
// digits: FormatExponent(1500, 3) == "1.500e+003", FormatExponent(0.5, 1) ==
// "5.0e-001". "%.16e" is FormatExponent(value, 16).
std::string FormatExponent(double value, int decimals);

// "%W.De": FormatExponent in a field of `fieldWidth` characters, aligned as
// FormatFixedField does. FormatExponentField(1500, 12, 2) == "   1.50e+003".
std::string FormatExponentField(double value, int fieldWidth, int decimals);

// _gcvt: `digits` significant digits (at least 1), trailing zeros removed.
// Fixed notation while the decimal exponent x of the rounded value satisfies
// -1 <= x < digits, else exponent notation with three exponent digits. The
// decimal point is kept when nothing follows it:
//   FormatSignificant(1234.5678, 7) == "1234.568"
//   FormatSignificant(100, 7)       == "100."
//   FormatSignificant(0.123, 7)     == "0.123"
//   FormatSignificant(0.0123, 7)    == "1.23e-002"
//   FormatSignificant(1e20, 7)      == "1.e+020"
//   FormatSignificant(0, 7)         == "0."
std::string FormatSignificant(double value, int digits);

// _itoa: `value` written in `radix` (2 to 256), lower-case letter digits.
// Radix 10 writes the signed value; every other radix writes a negative value
// as its unsigned 32-bit two's complement (-1 in radix 16 is "ffffffff").
// Radixes 37 to 256 have no letter digits: each digit is written as its value
// in decimal and the digits are separated by ":" (255 in radix 100 is "2:55",
// 7 in radix 200 is "7"). A radix outside 2..256 is treated as 10.
std::string FormatInteger(std::int32_t value, int radix);

// Room that any of the Write functions below may need: a finite double in
// fixed notation with the most decimals (sign, 309 integer digits, point).
inline constexpr std::size_t kNumberRoom = 312 + kMaxFormatDecimals;

// Writing forms of the above for writers that build long texts: each writes
// at `to`, which has room for kNumberRoom characters, and returns the end of
// what it wrote.
char* WriteFixedDecimals(char* to, double value, int decimals);
char* WriteExponent(char* to, double value, int decimals);
char* WriteInteger(char* to, std::int32_t value, int radix);

// Appending forms of the above.
void AppendFixedDecimals(std::string& out, double value, int decimals);
void AppendFixedField(std::string& out, double value, int fieldWidth, int decimals);
void AppendExponent(std::string& out, double value, int decimals);
void AppendExponentField(std::string& out, double value, int fieldWidth, int decimals);
void AppendInteger(std::string& out, std::int32_t value, int radix);

// Conversion of a double to a 32-bit int by truncation toward zero, as a cast
// does for values in range. Values beyond the range saturate at INT32_MIN or
// INT32_MAX (infinities too); NaN gives 0.
std::int32_t TruncateToInt32(double value);
