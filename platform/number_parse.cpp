#include "platform/number_parse.h"

#include <charconv>
#include <climits>
#include <clocale>
#include <cstdint>
#include <cstdlib>
#include <iterator>
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

bool IsNumberContinuation(char c) {
    return IsAsciiLetterOrDigit(c) || c == '.';
}

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

bool ReadShortDecimal(const char* text, double& value, const char** end) {
    // Powers of ten that a double holds exactly.
    static constexpr double kExactPowers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                              1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                              1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    constexpr int kMostDigits = 19; // any 19 digits fit in 64 bits
    constexpr std::uint64_t kExactWhole = std::uint64_t{1} << 53;
    const char* p = text;
    const bool negative = *p == '-';
    if (negative || *p == '+') ++p;
    std::uint64_t digits = 0;
    // Digits from the first nonzero one on. Counted by position, not by the
    // accumulator's value: 2^64 wraps the accumulator to exactly 0.
    int counted = 0;
    bool significant = false;
    int decimals = 0;
    const auto take = [&](char digit) {
        significant = significant || digit != '0';
        counted += significant;
        digits = digits * 10 + static_cast<unsigned>(digit - '0');
    };
    const char* const wholeStart = p;
    for (; IsDigit(*p); ++p)
        take(*p);
    bool anyDigit = p != wholeStart;
    if (*p == '.') {
        const char* const fractionStart = ++p;
        for (; IsDigit(*p); ++p)
            take(*p);
        decimals = static_cast<int>(p - fractionStart);
        anyDigit = anyDigit || decimals > 0;
    }
    // Both operands of the division below are exact, so its one rounding
    // gives the correctly rounded value, as strtod does.
    if (!anyDigit || counted > kMostDigits || digits > kExactWhole ||
        decimals >= static_cast<int>(std::size(kExactPowers)) || IsNumberContinuation(*p))
        return false;
    const double magnitude = static_cast<double>(digits) / kExactPowers[decimals];
    value = negative ? -magnitude : magnitude;
    *end = p;
    return true;
}

double ReadCNumber(const char* text, const char** end) {
    const char* start = text;
    while (IsCSpace(*start))
        ++start;
    double value = 0;
    if (ReadShortDecimal(start, value, end)) return value;
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
