#include "operations/procedures/procedure_frame.h"

#include <cmath>
#include <string>

#include "calculator/calculator.h"
#include "exact/fraction_text.h"
#include "matrixlib/predicates.h"
#include "platform/number_format.h"

namespace {

const char* const kComplexRefusalText = "Procedure is unavailable for complex matrix";
const char* const kComplexRefusalCaption = "Complex Matrix Procedure";

bool AskToSave(Calculator& calculator, const std::string& text, const char* caption,
               const NEWMAT::Matrix& value) {
    if (calculator.Host().MessageBox(text, caption, MB_YESNO) != IDYES) return false;
    calculator.SaveToTemporaryRegister(value);
    return true;
}

// A reported value follows the display: a fraction under Fraction.
std::string MessageValueText(const Calculator& calculator, double value) {
    if (calculator.FormatInForce() == NumberFormat::Fraction) return FractionText(value);
    return FormatMessageValue(value, calculator.Width(), calculator.Decimals(),
                              calculator.ExponentFlag());
}

} // namespace

std::string FormatReportedValue(double value, int width, int decimals, bool exponential) {
    if (!exponential) return FormatFixedField(value, width, decimals);
    return FormatExponentField(value, width, decimals);
}

std::string FormatMessageValue(double value, int width, int decimals, bool exponential) {
    std::string text = FormatReportedValue(value, width, decimals, exponential);
    const bool significant = text.find_first_of("123456789") != std::string::npos;
    if (value != 0 && std::isfinite(value) && !significant) return FormatExponent(value, 6);
    return text;
}

void RunProcedure(Calculator& calculator, ComplexSupport support,
                  const std::function<bool(NEWMAT::Matrix&)>& compute) {
    calculator.RunCommand([&] {
        NEWMAT::Matrix m = calculator.GetCurrentMatrix();
        if (!Exist(m)) return;
        if (support == ComplexSupport::Refused && ComplexRefusal(calculator)) return;
        if (!compute(m)) return;
        calculator.SetCurrentMatrix(m);
        calculator.ShowCurrentMatrix();
    });
}

bool ComplexRefusal(Calculator& calculator) {
    if (!calculator.IsComplexMode()) return false;
    calculator.Host().MessageBox(kComplexRefusalText, kComplexRefusalCaption,
                                 MB_OK | MB_ICONINFORMATION);
    return true;
}

bool ReportValue(Calculator& calculator, const char* label, double value, const char* question,
                 const char* caption) {
    const std::string text = label + MessageValueText(calculator, value) + question;
    NEWMAT::Matrix saved(1, 1);
    saved(1, 1) = value;
    return AskToSave(calculator, text, caption, saved);
}

bool ReportComplexValue(Calculator& calculator, const char* label, double re, double im,
                        const char* question, const char* caption) {
    std::string text = label;
    text += '(';
    text += MessageValueText(calculator, re);
    text += ", ";
    text += MessageValueText(calculator, im);
    text += ')';
    text += question;
    NEWMAT::Matrix saved(1, 2);
    saved(1, 1) = re;
    saved(1, 2) = im;
    return AskToSave(calculator, text, caption, saved);
}
