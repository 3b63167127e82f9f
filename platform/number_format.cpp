#include "platform/number_format.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <iterator>
#include <limits>

namespace {

int ClampDecimals(int decimals) {
    return std::clamp(decimals, 0, kMaxFormatDecimals);
}

// Writes "inf", "-inf" or "nan" for a non-finite value; false for a finite one.
bool AppendNonFinite(std::string& out, double value) {
    if (std::isnan(value)) {
        out += "nan";
        return true;
    }
    if (std::isinf(value)) {
        out += value < 0 ? "-inf" : "inf";
        return true;
    }
    return false;
}

// Largest text of a finite double in fixed notation apart from its decimals:
// sign, 309 integer digits, point.
constexpr std::size_t kFixedOverhead = 312;

// Converts into a buffer on the stack and appends only what was written:
// growing `out` by the largest possible text first would clear hundreds of
// bytes per element, which dominated the writing of large matrices.
void AppendChars(std::string& out, double value, std::chars_format format, int precision) {
    char buffer[kFixedOverhead + kMaxFormatDecimals];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, format, precision);
    out.append(buffer, result.ptr);
}

// Widens the exponent that to_chars wrote ("e+05") to three digits ("e+005").
void WidenExponent(std::string& out, std::size_t start) {
    const std::size_t e = out.find('e', start);
    if (e == std::string::npos) return;
    const std::size_t digits = out.size() - (e + 2);
    if (digits < 3) out.insert(e + 2, 3 - digits, '0');
}

// Pads what was written from `start` on to the field width: blanks in front,
// or behind for a negative width (left-aligned).
void PadField(std::string& out, std::size_t start, int fieldWidth) {
    const auto width = static_cast<std::size_t>(std::abs(static_cast<long long>(fieldWidth)));
    const std::size_t written = out.size() - start;
    if (written >= width) return;
    if (fieldWidth < 0) {
        out.append(width - written, ' ');
    } else {
        out.insert(start, width - written, ' ');
    }
}

// Fixed decimals by integer arithmetic, several times faster than to_chars.
// The value scaled by 10^decimals is at most 2^40, so the one rounding of
// the scaling moves it by at most 2^-13; unless its fraction lies within
// 2^-10 of one half, rounding it to a whole number then rounds the exact
// binary value as to_chars does, and the text is the same. Returns false,
// writing nothing, for the values it leaves to to_chars.
bool AppendFixedByInteger(std::string& out, double value, int decimals) {
    static constexpr double kPowers[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9};
    static constexpr std::uint64_t kWholePowers[] = {1,      10,      100,      1000,      10000,
                                                     100000, 1000000, 10000000, 100000000,
                                                     1000000000};
    if (decimals >= static_cast<int>(std::size(kPowers))) return false;
    const double scaled = std::fabs(value) * kPowers[decimals];
    if (!(scaled < 0x1p40)) return false;
    const double whole = std::floor(scaled);
    const double fraction = scaled - whole;
    if (std::fabs(fraction - 0.5) < 0x1p-10) return false;
    const std::uint64_t digits = static_cast<std::uint64_t>(whole) + (fraction > 0.5 ? 1 : 0);
    const std::uint64_t integerPart = digits / kWholePowers[decimals];
    std::uint64_t decimalPart = digits % kWholePowers[decimals];
    // Written backwards: the decimals, the point, the integer part, the sign.
    char buffer[48];
    char* p = buffer + sizeof buffer;
    for (int i = 0; i < decimals; ++i) {
        *--p = static_cast<char>('0' + decimalPart % 10);
        decimalPart /= 10;
    }
    if (decimals > 0) *--p = '.';
    std::uint64_t rest = integerPart;
    do {
        *--p = static_cast<char>('0' + rest % 10);
        rest /= 10;
    } while (rest != 0);
    if (std::signbit(value)) *--p = '-';
    out.append(p, buffer + sizeof buffer);
    return true;
}

} // namespace

void AppendFixedDecimals(std::string& out, double value, int decimals) {
    if (AppendNonFinite(out, value)) return;
    decimals = ClampDecimals(decimals);
    if (AppendFixedByInteger(out, value, decimals)) return;
    AppendChars(out, value, std::chars_format::fixed, decimals);
}

void AppendExponent(std::string& out, double value, int decimals) {
    if (AppendNonFinite(out, value)) return;
    decimals = ClampDecimals(decimals);
    const std::size_t start = out.size();
    AppendChars(out, value, std::chars_format::scientific, decimals);
    WidenExponent(out, start);
}

void AppendFixedField(std::string& out, double value, int fieldWidth, int decimals) {
    const std::size_t start = out.size();
    AppendFixedDecimals(out, value, decimals);
    PadField(out, start, fieldWidth);
}

void AppendExponentField(std::string& out, double value, int fieldWidth, int decimals) {
    const std::size_t start = out.size();
    AppendExponent(out, value, decimals);
    PadField(out, start, fieldWidth);
}

void AppendInteger(std::string& out, std::int32_t value, int radix) {
    if (radix < 2 || radix > 256) radix = 10;
    if (radix == 10) {
        char buffer[16];
        const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
        out.append(buffer, result.ptr);
        return;
    }
    std::uint32_t rest = static_cast<std::uint32_t>(value);
    const auto base = static_cast<std::uint32_t>(radix);
    // Digits come out least significant first; 32 binary digits at most.
    std::uint32_t digits[32];
    int count = 0;
    do {
        digits[count++] = rest % base;
        rest /= base;
    } while (rest != 0);
    for (int i = count - 1; i >= 0; --i) {
        if (radix <= 36) {
            out += "0123456789abcdefghijklmnopqrstuvwxyz"[digits[i]];
        } else {
            if (i != count - 1) out += ':';
            char buffer[4];
            const auto result = std::to_chars(buffer, buffer + sizeof buffer, digits[i]);
            out.append(buffer, result.ptr);
        }
    }
}

std::string FormatFixedDecimals(double value, int decimals) {
    std::string out;
    AppendFixedDecimals(out, value, decimals);
    return out;
}

std::string FormatFixedField(double value, int fieldWidth, int decimals) {
    std::string out;
    AppendFixedField(out, value, fieldWidth, decimals);
    return out;
}

std::string FormatExponentField(double value, int fieldWidth, int decimals) {
    std::string out;
    AppendExponentField(out, value, fieldWidth, decimals);
    return out;
}

std::string FormatExponent(double value, int decimals) {
    std::string out;
    AppendExponent(out, value, decimals);
    return out;
}

std::string FormatInteger(std::int32_t value, int radix) {
    std::string out;
    AppendInteger(out, value, radix);
    return out;
}

std::string FormatSignificant(double value, int digits) {
    std::string out;
    if (AppendNonFinite(out, value)) return out;
    digits = std::clamp(digits, 1, kMaxFormatDecimals);

    // The rounded digits and decimal exponent, from d.ddde+x.
    std::string scientific;
    AppendChars(scientific, value, std::chars_format::scientific, digits - 1);
    std::size_t pos = 0;
    if (scientific[pos] == '-') {
        out += '-';
        ++pos;
    }
    const std::size_t e = scientific.find('e', pos);
    std::string mantissa;
    for (std::size_t i = pos; i < e; ++i)
        if (scientific[i] != '.') mantissa += scientific[i];
    const int exponent = std::atoi(scientific.c_str() + e + 1);
    while (mantissa.size() > 1 && mantissa.back() == '0')
        mantissa.pop_back();
    if (mantissa == "0") mantissa.clear();

    if (exponent >= -1 && exponent < digits) {
        if (exponent == -1) {
            out += "0.";
            out += mantissa;
            return out;
        }
        const std::size_t integerDigits = static_cast<std::size_t>(exponent) + 1;
        if (mantissa.size() <= integerDigits) {
            out += mantissa;
            out.append(integerDigits - mantissa.size(), '0');
            out += '.';
        } else {
            out.append(mantissa, 0, integerDigits);
            out += '.';
            out.append(mantissa, integerDigits, std::string::npos);
        }
        return out;
    }
    out += mantissa[0];
    out += '.';
    out.append(mantissa, 1, std::string::npos);
    out += exponent < 0 ? "e-" : "e+";
    const std::string magnitude = std::to_string(std::abs(exponent));
    out.append(magnitude.size() < 3 ? 3 - magnitude.size() : 0, '0');
    out += magnitude;
    return out;
}

std::int32_t TruncateToInt32(double value) {
    constexpr auto kMax = std::numeric_limits<std::int32_t>::max();
    constexpr auto kMin = std::numeric_limits<std::int32_t>::min();
    if (std::isnan(value)) return 0;
    if (value >= static_cast<double>(kMax)) return kMax;
    if (value <= static_cast<double>(kMin)) return kMin;
    return static_cast<std::int32_t>(value);
}
