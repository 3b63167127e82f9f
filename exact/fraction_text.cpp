#include "exact/fraction_text.h"

#include "exact/double_reading.h"

#include <algorithm>
#include <charconv>
#include <cmath>

std::string RationalText(const mpq_class& q) {
    return q.get_str();
}

std::string FractionText(double value) {
    if (std::isnan(value)) return "nan";
    if (std::isinf(value)) return value < 0 ? "-inf" : "inf";
    if (const std::optional<mpq_class> fraction = SimplestFraction(value))
        return RationalText(*fraction);
    char text[32];
    return std::string(text, std::to_chars(text, text + sizeof text, value).ptr);
}

char* WriteFractionText(char* to, double value) {
    const std::string text = FractionText(value);
    return std::copy(text.begin(), text.end(), to);
}

std::string FormatFraction(const NEWMAT::Matrix& matrix, int width, ColumnLayout layout) {
    return FormatEachElement(matrix, width, WriteFractionText, layout);
}
