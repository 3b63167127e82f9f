#pragma once
// The steps the creations share: the question before the current matrix is
// replaced, the prompts for sizes and numbers, the range refusal, the switch
// to complex mode and the check for a base vector.

#include <newmat.h>

#include <optional>

class CCalculatorDlg;

struct MatrixSize {
    int rows;
    int columns;
};

// Asks whether to replace the current matrix, when there is one; false on No.
bool ConfirmReplace(CCalculatorDlg& dlg);
// "Enter Rows and Columns" under the title, then the "Rows:" and "Columns:"
// prompts, each followed by a beep.
MatrixSize PromptSize(CCalculatorDlg& dlg, const char* title);
// A prompt followed by a beep.
int PromptIntAndBeep(CCalculatorDlg& dlg, const char* label);
double PromptRealAndBeep(CCalculatorDlg& dlg, const char* label);
// Whether a rows x columns matrix may be made: both at least 1 and within
// the allocation limit. Says "Out of range" when not.
bool SizeInRange(CCalculatorDlg& dlg, long long rows, long long columns);
void ReportOutOfRange(CCalculatorDlg& dlg, const char* caption);
// In real mode asks whether to go on; then switches to complex mode. False
// on No, with nothing changed.
bool SwitchToComplexMode(CCalculatorDlg& dlg);
// The current matrix when it is a vector; otherwise says what is missing
// (under the caption) and gives nothing.
std::optional<NEWMAT::Matrix> BaseVector(CCalculatorDlg& dlg, const char* caption);
// Makes the matrix the current matrix and shows it.
void StoreCreated(CCalculatorDlg& dlg, const NEWMAT::Matrix& m);
