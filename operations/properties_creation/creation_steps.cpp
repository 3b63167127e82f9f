#include "operations/properties_creation/creation_steps.h"

#include "calculator/calculator_dlg.h"
#include "matrixlib/allocation_limit.h"
#include "matrixlib/predicates.h"

namespace {

const char* const kWarningCaption = "    Warning";
const char* const kReplaceQuestion =
    "You are about to loose the current matrix.\nDo you wish to proceed?";
const char* const kComplexQuestion = "Not in complex mode.\nDo you wish to proceed?";
const char* const kNoBaseText =
    "You must first enter a base vector.\nThis can be either a row or column vector";
const char* const kNotVectorText =
    "The object is a matrix, not a vector.\nPlease enter a vector and try again.";

} // namespace

bool ConfirmReplace(CCalculatorDlg& dlg) {
    if (!dlg.HasCurrentMatrix()) return true;
    return dlg.Host().MessageBox(kReplaceQuestion, kWarningCaption, MB_YESNO) == IDYES;
}

int PromptIntAndBeep(CCalculatorDlg& dlg, const char* label) {
    const int value = dlg.PromptInt(label);
    dlg.Host().MessageBeep(kBeepDefault);
    return value;
}

double PromptRealAndBeep(CCalculatorDlg& dlg, const char* label) {
    const double value = dlg.PromptReal(label);
    dlg.Host().MessageBeep(kBeepDefault);
    return value;
}

MatrixSize PromptSize(CCalculatorDlg& dlg, const char* title) {
    dlg.Host().MessageBox("Enter Rows and Columns", title, MB_OK);
    const int rows = PromptIntAndBeep(dlg, "Rows:");
    const int columns = PromptIntAndBeep(dlg, "Columns:");
    return {rows, columns};
}

void ReportOutOfRange(CCalculatorDlg& dlg, const char* caption) {
    dlg.Refuse("Out of range", caption);
}

bool SizeInRange(CCalculatorDlg& dlg, long long rows, long long columns) {
    if (rows >= 1 && columns >= 1 &&
        ztmath::MatrixSizeAllowed(static_cast<double>(rows), static_cast<double>(columns)))
        return true;
    ReportOutOfRange(dlg, "Error");
    return false;
}

bool SwitchToComplexMode(CCalculatorDlg& dlg) {
    if (dlg.IsRealMode() &&
        dlg.Host().MessageBox(kComplexQuestion, kWarningCaption, MB_YESNO) != IDYES)
        return false;
    dlg.SetComplexMode();
    return true;
}

std::optional<NEWMAT::Matrix> BaseVector(CCalculatorDlg& dlg, const char* caption) {
    NEWMAT::Matrix m = dlg.GetCurrentMatrix();
    if (IsVector(m)) return m;
    dlg.Host().MessageBox(Exist(m) ? kNotVectorText : kNoBaseText, caption,
                          MB_OK | MB_ICONINFORMATION);
    return std::nullopt;
}

void StoreCreated(CCalculatorDlg& dlg, const NEWMAT::Matrix& m) {
    dlg.SetCurrentMatrix(m);
    dlg.ShowCurrentMatrix();
}
