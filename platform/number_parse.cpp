#include "platform/number_parse.h"

#include <charconv>
#include <climits>
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

// Longest number handed to from_chars; longer ones go to strtod, so a long
// run of number characters is never scanned twice.
constexpr int kMaxPlainDecimal = 64;

// from_chars reads plain decimal numbers several times faster than strtod.
// It is trusted only where both read the same: an optional sign, then a
// decimal number in range that no letter or digit follows (which could make
// it hexadecimal, "inf" or "nan" for strtod).
bool ReadPlainDecimal(const char* text, double& value, const char*& end) {
    const char* p = text;
    if (*p == '-' || *p == '+') ++p;
    if (!IsDigit(*p) && !(*p == '.' && IsDigit(p[1]))) return false;
    const char* run = p;
    while (IsDecimalNumberCharacter(*run)) {
        if (run - p == kMaxPlainDecimal) return false;
        ++run;
    }
    const char* first = *text == '-' ? text : p;
    const auto result = std::from_chars(first, run, value, std::chars_format::general);
    if (result.ec != std::errc{} || IsAsciiLetterOrDigit(*result.ptr)) return false;
    end = result.ptr;
    return true;
}

} // namespace

double ReadCNumber(const char* text, const char** end) {
    const char* start = text;
    while (IsCSpace(*start))
        ++start;
    double value = 0;
    if (ReadPlainDecimal(start, value, *end)) return value;
    char* stop = nullptr;
    value = strtod_l(text, &stop, CLocale());
    *end = stop;
    return value;
}

double ParseLeadingDouble(const std::string& text) {
    const char* end = nullptr;
    return ReadCNumber(text.c_str(), &end);
}

int ParseLeadingInt(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && IsCSpace(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    long long magnitude = 0;
    const long long limit = negative ? -static_cast<long long>(INT_MIN) : INT_MAX;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        magnitude = magnitude * 10 + (text[i] - '0');
        if (magnitude >= limit) {
            magnitude = limit;
            break;
        }
    }
    return static_cast<int>(negative ? -magnitude : magnitude);
}
