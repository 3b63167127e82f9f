#include "operations/documents/copy_as_command.h"

#include "calculator/calculator.h"
#include "interchange/round_trip_number.h"
#include "platform/number_format.h"

namespace {

constexpr int kDecimalRadix = 10;

} // namespace

NumberFormatter CopiedNumberFormat(const Calculator& calculator) {
    if (calculator.FormatInForce() == NumberFormat::Default || calculator.Radix() != kDecimalRadix)
        return RoundTripNumber;
    const int decimals = calculator.Decimals();
    // The display writes complex elements in fixed notation whatever the format.
    if (calculator.ExponentFlag() && !calculator.IsComplexMode())
        return [decimals](double value) { return FormatExponent(value, decimals); };
    return [decimals](double value) { return FormatFixedDecimals(value, decimals); };
}

void CopyMatrixAs(Calculator& calculator, CopyNotation notation) {
    if (!calculator.SetTypedEntry() || !calculator.HasCurrentMatrix()) return;
    calculator.Host().CopyToClipboard(WriteMatrixAs(notation, calculator.GetCurrentMatrix(),
                                                    calculator.IsComplexMode(),
                                                    CopiedNumberFormat(calculator)));
}
