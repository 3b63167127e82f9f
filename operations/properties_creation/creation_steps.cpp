#include "operations/properties_creation/creation_steps.h"

#include "calculator/calculator.h"
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

bool ConfirmReplace(Calculator& calculator) {
    if (!calculator.HasCurrentMatrix()) return true;
    return calculator.Host().MessageBox(kReplaceQuestion, kWarningCaption, MB_YESNO) == IDYES;
}

int PromptIntAndBeep(Calculator& calculator, const char* label) {
    const int value = calculator.PromptInt(label);
    calculator.Host().MessageBeep(kBeepDefault);
    return value;
}

double PromptRealAndBeep(Calculator& calculator, const char* label) {
    const double value = calculator.PromptReal(label);
    calculator.Host().MessageBeep(kBeepDefault);
    return value;
}

MatrixSize PromptSize(Calculator& calculator, const char* title) {
    calculator.Host().MessageBox("Enter Rows and Columns", title, MB_OK);
    const int rows = PromptIntAndBeep(calculator, "Rows:");
    const int columns = PromptIntAndBeep(calculator, "Columns:");
    return {rows, columns};
}

void ReportOutOfRange(Calculator& calculator, const char* caption) {
    calculator.Refuse("Out of range", caption);
}

bool SizeInRange(Calculator& calculator, long long rows, long long columns) {
    if (rows >= 1 && columns >= 1 &&
        ztmath::MatrixSizeAllowed(static_cast<double>(rows), static_cast<double>(columns)))
        return true;
    ReportOutOfRange(calculator, "Error");
    return false;
}

bool SwitchToComplexMode(Calculator& calculator) {
    if (!calculator.IsComplexMode() &&
        calculator.Host().MessageBox(kComplexQuestion, kWarningCaption, MB_YESNO) != IDYES)
        return false;
    calculator.Press(CalculatorKey::ComplexMode);
    return true;
}

std::optional<NEWMAT::Matrix> BaseVector(Calculator& calculator, const char* caption) {
    NEWMAT::Matrix m = calculator.GetCurrentMatrix();
    if (IsVector(m)) return m;
    calculator.Host().MessageBox(Exist(m) ? kNotVectorText : kNoBaseText, caption,
                                 MB_OK | MB_ICONINFORMATION);
    return std::nullopt;
}

void StoreCreated(Calculator& calculator, const NEWMAT::Matrix& m) {
    calculator.SetCurrentMatrix(m);
    calculator.ShowCurrentMatrix();
}
