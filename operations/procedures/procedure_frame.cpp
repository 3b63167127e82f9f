#include "operations/procedures/procedure_frame.h"

#include <cmath>
#include <string>

#include "calculator/calculator_dlg.h"
#include "matrixlib/predicates.h"
#include "platform/number_format.h"

namespace {

const char* const kComplexRefusalText = "Procedure is unavailable for complex matrix";
const char* const kComplexRefusalCaption = "Complex Matrix Procedure";

bool AskToSave(CCalculatorDlg& dlg, const std::string& text, const char* caption,
               const NEWMAT::Matrix& value) {
    if (dlg.Host().MessageBox(text, caption, MB_YESNO) != IDYES) return false;
    dlg.SaveToTemporaryRegister(value);
    return true;
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

void RunProcedure(CCalculatorDlg& dlg, ComplexSupport support,
                  const std::function<bool(NEWMAT::Matrix&)>& compute) {
    dlg.RunCommand([&] {
        NEWMAT::Matrix m = dlg.GetCurrentMatrix();
        if (!Exist(m)) return;
        if (support == ComplexSupport::Refused && ComplexRefusal(dlg)) return;
        if (!compute(m)) return;
        dlg.SetCurrentMatrix(m);
        dlg.ShowCurrentMatrix();
    });
}

bool ComplexRefusal(CCalculatorDlg& dlg) {
    if (!dlg.IsComplexMode()) return false;
    dlg.Host().MessageBox(kComplexRefusalText, kComplexRefusalCaption, MB_OK | MB_ICONINFORMATION);
    return true;
}

bool ReportValue(CCalculatorDlg& dlg, const char* label, double value, const char* question,
                 const char* caption) {
    const std::string text =
        label + FormatMessageValue(value, dlg.Width(), dlg.Decimals(), dlg.ExponentFlag()) +
        question;
    NEWMAT::Matrix saved(1, 1);
    saved(1, 1) = value;
    return AskToSave(dlg, text, caption, saved);
}

bool ReportComplexValue(CCalculatorDlg& dlg, const char* label, double re, double im,
                        const char* question, const char* caption) {
    const int width = dlg.Width();
    const int decimals = dlg.Decimals();
    const bool exponential = dlg.ExponentFlag();
    std::string text = label;
    text += '(';
    text += FormatMessageValue(re, width, decimals, exponential);
    text += ", ";
    text += FormatMessageValue(im, width, decimals, exponential);
    text += ')';
    text += question;
    NEWMAT::Matrix saved(1, 2);
    saved(1, 1) = re;
    saved(1, 2) = im;
    return AskToSave(dlg, text, caption, saved);
}
