#include "platform/number_parse.h"

#include <charconv>
#include <clocale>
#include <cstdlib>
#include <locale.h>

namespace {

// The "C" locale, created once: strtod_l with it reads "." as the decimal
// point whatever locale the process has switched to.
locale_t CLocale() {
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", locale_t{});
    return locale;
}

bool IsCSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsDecimalNumberCharacter(char c) {
    return IsDigit(c) || c == '.' || c == 'e' || c == 'E' || c == '+' || c == '-';
}

bool IsAsciiLetterOrDigit(char c) {
    return IsDigit(c) || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// Longest number handed to from_chars by ReadCNumber; longer ones go to
// strtod, so a long run of number characters is never scanned twice.
constexpr int kMaxDecimalRun = 64;

// from_chars reads decimal numbers several times faster than strtod and
// rounds them alike. It is trusted where both read the same text: an
// optional sign, then a decimal number in range that no letter or digit
// follows (which could make it hexadecimal, "inf" or "nan" for strtod, or
// carry an exponent that `format` leaves out). Returns the end of the
// number, or null when strtod is to read the text.
const char* ReadByFromChars(const char* text, const char* last, std::chars_format format,
                            double& value) {
    const bool plus = *text == '+';
    const char* const first = text + (plus ? 1 : 0); // from_chars takes no plus sign
    const char* const digits = !plus && *first == '-' ? first + 1 : first;
    if (!IsDigit(*digits) && !(*digits == '.' && IsDigit(digits[1]))) return nullptr;
    const auto result = std::from_chars(first, last, value, format);
    if (result.ec != std::errc{} || IsAsciiLetterOrDigit(*result.ptr)) return nullptr;
    return result.ptr;
}

} // namespace

const char* ReadPlainDecimal(const char* text, const char* end, double& value) {
    return ReadByFromChars(text, end, std::chars_format::fixed, value);
}

double ReadCNumber(const char* text, const char** end) {
    const char* start = text;
    while (IsCSpace(*start))
        ++start;
    const char* run = start;
    while (IsDecimalNumberCharacter(*run) && run - start <= kMaxDecimalRun)
        ++run;
    double value = 0;
    if (run - start <= kMaxDecimalRun) {
        if (const char* stop = ReadByFromChars(start, run, std::chars_format::general, value)) {
            *end = stop;
            return value;
        }
    }
    char* stop = nullptr;
    value = strtod_l(text, &stop, CLocale());
    *end = stop;
    return value;
}

double ParseLeadingDouble(const std::string& text) {
    const char* end = nullptr;
    return ReadCNumber(text.c_str(), &end);
}
