#include "evaluator/leading_number.h"

#include <cstdlib>
#include <string>

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::size_t SkipDigits(std::string_view text, std::size_t pos) {
    while (pos < text.size() && IsDigit(text[pos]))
        ++pos;
    return pos;
}

} // namespace

double ReadLeadingNumber(std::string_view text) {
    std::size_t pos = 0;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) ++pos;
    const std::size_t mantissaStart = pos;
    pos = SkipDigits(text, pos);
    bool hasDigits = pos > mantissaStart;
    if (pos < text.size() && text[pos] == '.') {
        const std::size_t fractionStart = pos + 1;
        const std::size_t fractionEnd = SkipDigits(text, fractionStart);
        if (hasDigits || fractionEnd > fractionStart) {
            hasDigits = true;
            pos = fractionEnd;
        }
    }
    if (!hasDigits) return 0.0;
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        std::size_t exponent = pos + 1;
        if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-')) {
            ++exponent;
        }
        const std::size_t exponentEnd = SkipDigits(text, exponent);
        if (exponentEnd > exponent) pos = exponentEnd;
    }
    // strtod sees only the validated prefix, so it cannot wander into
    // hexadecimal or special words; it rounds correctly and saturates.
    const std::string number(text.substr(0, pos));
    return std::strtod(number.c_str(), nullptr);
}
