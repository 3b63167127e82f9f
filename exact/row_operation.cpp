#include "exact/row_operation.h"

#include "exact/double_reading.h"
#include "exact/fraction_text.h"

#include <charconv>
#include <cmath>
#include <optional>

namespace {

std::string Row(int i) {
    std::string text(1, 'R');
    text += std::to_string(i);
    return text;
}

// "3/2*" for 3/2, nothing for 1.
std::string Multiplier(const std::string& factor) {
    return factor == "1" ? std::string() : factor + '*';
}

// The text of an operation whose factor text the caller wrote; for
// Subtract the factor's sign becomes the operator's.
std::string Text(RowOperationKind kind, int target, int source, int column,
                 const std::string& factor) {
    std::string text = Row(target);
    switch (kind) {
    case RowOperationKind::Swap:
        text += " <-> ";
        text += Row(source);
        break;
    case RowOperationKind::Scale:
        text += " <- ";
        text += Multiplier(factor);
        text += Row(target);
        break;
    case RowOperationKind::Subtract: {
        const bool negative = !factor.empty() && factor[0] == '-';
        text += " <- ";
        text += Row(target);
        text += negative ? " + " : " - ";
        text += Multiplier(negative ? factor.substr(1) : factor);
        text += Row(source);
        break;
    }
    case RowOperationKind::ClearResidue:
        text.assign(1, 'C');
        text += std::to_string(column);
        text += " <- 0 in ";
        text += Row(target);
        if (source > target) {
            text += "..";
            text += Row(source);
        }
        break;
    }
    return text;
}

// 1/pivot: exactly from the pivot's reading where it has one.
std::string ReciprocalText(double pivot) {
    if (const std::optional<mpq_class> reading = ReadRational(pivot))
        return RationalText(mpq_class(1 / *reading));
    char text[32];
    return std::string(text, std::to_chars(text, text + sizeof text, 1 / pivot).ptr);
}

} // namespace

std::string OperationText(const ExactRowOperation& operation) {
    return Text(operation.kind, operation.target, operation.source, operation.column,
                RationalText(operation.factor));
}

std::string OperationText(const FloatRowOperation& operation) {
    const std::string factor = operation.kind == RowOperationKind::Scale
                                   ? ReciprocalText(operation.factor)
                                   : FractionText(operation.factor);
    return Text(operation.kind, operation.target, operation.source, operation.column, factor);
}
