#pragma once
// Decimal numbers read by fast_float where they read exactly as strtod reads
// them, inline so that readers of a million numbers pay no call for each.
// fast_float rounds correctly, as strtod does; the readers here refuse,
// reading nothing, every text on which the two could part: strtod is to
// read those (ReadCNumber, platform/number_parse.h).

#include <fast_float/fast_float.h>

#include <system_error>

namespace plain_decimal {

inline bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

inline bool IsAsciiLetterOrDigit(char c) {
    return IsDigit(c) || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

} // namespace plain_decimal

// An optional sign, then a decimal number in range in `format` (fixed: no
// exponent; general: an exponent or none) that no letter or digit follows,
// which could make it hexadecimal, "inf" or "nan", or carry an exponent
// that `format` leaves out. Returns the end of the number, or null. The
// character at `last` must be readable (a NUL or more of the text).
inline const char* ReadDecimalAsStrtod(const char* text, const char* last,
                                       fast_float::chars_format format, double& value) {
    using plain_decimal::IsDigit;
    const bool plus = *text == '+';
    const char* const first = text + (plus ? 1 : 0); // fast_float takes no plus sign
    const char* const digits = !plus && *first == '-' ? first + 1 : first;
    if (!IsDigit(*digits) && !(*digits == '.' && IsDigit(digits[1]))) return nullptr;
    const auto result = fast_float::from_chars(first, last, value, format);
    if (result.ec != std::errc{} || plain_decimal::IsAsciiLetterOrDigit(*result.ptr))
        return nullptr;
    return result.ptr;
}

// The quick case of ReadCNumber for readers that know where their text ends:
// a number of an optional sign, digits and at most one point, with no white
// space in front, read into `value`. Returns the end of the number, or null,
// reading nothing, when the text at `text` is not such a number or strtod
// would read on (an exponent, hexadecimal digits) or give a value out of
// range: ReadCNumber reads those.
inline const char* ReadPlainDecimal(const char* text, const char* end, double& value) {
    return ReadDecimalAsStrtod(text, end, fast_float::chars_format::fixed, value);
}
