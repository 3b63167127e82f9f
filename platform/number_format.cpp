#include "platform/number_format.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <limits>

namespace {

int ClampDecimals(int decimals) {
    return std::clamp(decimals, 0, kMaxFormatDecimals);
}

// Writes "inf", "-inf" or "nan" for a non-finite value and returns its end;
// null for a finite one.
char* WriteNonFinite(char* to, double value) {
    const char* text = std::isnan(value) ? "nan" : std::isinf(value) ? (value < 0 ? "-inf" : "inf") : nullptr;
    if (!text) return nullptr;
    const std::size_t length = std::strlen(text);
    std::memcpy(to, text, length);
    return to + length;
}

// Converts straight into the caller's room; `to` has room for kNumberRoom
// characters.
char* WriteChars(char* to, double value, std::chars_format format, int precision) {
    return std::to_chars(to, to + kNumberRoom, value, format, precision).ptr;
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

// Fixed decimals of the value scaled to a whole number, several times
// faster than to_chars of the double. The value scaled by 10^decimals is at
// most 2^40, so the one rounding of the scaling moves it by at most 2^-13;
// unless its fraction lies within 2^-10 of one half, rounding it to a whole
// number then rounds the exact binary value as to_chars does, and the text
// is the same. The whole number's digits are written by to_chars, inlined
// here (flatten): called, it costs a sixth of the whole. The count of
// decimals is a constant of each instance, so that the whole number is
// split at the point by multiplications rather than a division. Returns
// null, writing nothing, for the values it leaves to to_chars of the double.
template <int kDecimals>
[[gnu::flatten]] char* WriteFixedByInteger(char* to, double value) {
    constexpr std::uint64_t kUnit = [] {
        std::uint64_t unit = 1;
        for (int i = 0; i < kDecimals; ++i)
            unit *= 10;
        return unit;
    }();
    const double scaled = std::fabs(value) * static_cast<double>(kUnit);
    if (!(scaled < 0x1p40)) return nullptr;
    const double whole = std::floor(scaled);
    const double fraction = scaled - whole;
    if (std::fabs(fraction - 0.5) < 0x1p-10) return nullptr;
    const std::uint64_t digits = static_cast<std::uint64_t>(whole) + (fraction > 0.5 ? 1 : 0);
    constexpr std::size_t kDigitRoom = 24; // 2^40 with a 1 in front of its decimals fits
    // The sign is stored always and kept only when negative: a display of
    // mixed signs then runs without mispredicted branches.
    *to = '-';
    to += std::signbit(value) ? 1 : 0;
    if constexpr (kDecimals == 0) {
        return std::to_chars(to, to + kDigitRoom, digits).ptr;
    } else {
        to = std::to_chars(to, to + kDigitRoom, digits / kUnit).ptr;
        // The decimals with their leading zeros: a 1 written in front of
        // them keeps the zeros, and the point takes its place.
        char* const point = to;
        to = std::to_chars(to, to + kDigitRoom, kUnit + digits % kUnit).ptr;
        *point = '.';
        return to;
    }
}

// WriteFixedByInteger for decimals up to nine; null for more.
char* WriteFixedByInteger(char* to, double value, int decimals) {
    switch (decimals) {
    case 0: return WriteFixedByInteger<0>(to, value);
    case 1: return WriteFixedByInteger<1>(to, value);
    case 2: return WriteFixedByInteger<2>(to, value);
    case 3: return WriteFixedByInteger<3>(to, value);
    case 4: return WriteFixedByInteger<4>(to, value);
    case 5: return WriteFixedByInteger<5>(to, value);
    case 6: return WriteFixedByInteger<6>(to, value);
    case 7: return WriteFixedByInteger<7>(to, value);
    case 8: return WriteFixedByInteger<8>(to, value);
    case 9: return WriteFixedByInteger<9>(to, value);
    default: return nullptr;
    }
}

// Appends what `write` puts into room on the stack.
template <typename Write> void AppendWritten(std::string& out, Write write) {
    char buffer[kNumberRoom];
    out.append(buffer, write(buffer));
}

} // namespace

char* WriteFixedDecimals(char* to, double value, int decimals) {
    if (char* end = WriteNonFinite(to, value)) return end;
    decimals = ClampDecimals(decimals);
    if (char* end = WriteFixedByInteger(to, value, decimals)) return end;
    return WriteChars(to, value, std::chars_format::fixed, decimals);
}

char* WriteExponent(char* to, double value, int decimals) {
    if (char* end = WriteNonFinite(to, value)) return end;
    decimals = ClampDecimals(decimals);
    char* end = WriteChars(to, value, std::chars_format::scientific, decimals);
    // to_chars writes at least two exponent digits ("e+05"); three are shown.
    char* const digits = std::find(to, end, 'e') + 2;
    if (end - digits < 3) {
        std::memmove(digits + 1, digits, static_cast<std::size_t>(end - digits));
        *digits = '0';
        ++end;
    }
    return end;
}

char* WriteInteger(char* to, std::int32_t value, int radix) {
    if (radix < 2 || radix > 256) radix = 10;
    if (radix == 10) return std::to_chars(to, to + kNumberRoom, value).ptr;
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
            *to++ = "0123456789abcdefghijklmnopqrstuvwxyz"[digits[i]];
        } else {
            if (i != count - 1) *to++ = ':';
            to = std::to_chars(to, to + kNumberRoom, digits[i]).ptr;
        }
    }
    return to;
}

void AppendFixedDecimals(std::string& out, double value, int decimals) {
    AppendWritten(out, [&](char* to) { return WriteFixedDecimals(to, value, decimals); });
}

void AppendExponent(std::string& out, double value, int decimals) {
    AppendWritten(out, [&](char* to) { return WriteExponent(to, value, decimals); });
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
    AppendWritten(out, [&](char* to) { return WriteInteger(to, value, radix); });
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
    char nonFinite[4];
    if (char* end = WriteNonFinite(nonFinite, value)) return std::string(nonFinite, end);
    std::string out;
    digits = std::clamp(digits, 1, kMaxFormatDecimals);

    // The rounded digits and decimal exponent, from d.ddde+x.
    std::string scientific;
    AppendWritten(scientific, [&](char* to) {
        return WriteChars(to, value, std::chars_format::scientific, digits - 1);
    });
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
