#pragma once
// The steps the creations share: the question before the current matrix is
// replaced, the prompts for sizes and numbers, the range refusal, the switch
// to complex mode and the check for a base vector.

#include <newmat.h>

#include <optional>

class Calculator;

struct MatrixSize {
    int rows;
    int columns;
};

// Asks whether to replace the current matrix, when there is one; false on No.
bool ConfirmReplace(Calculator& calculator);
// "Enter Rows and Columns" under the title, then the "Rows:" and "Columns:"
// prompts, each followed by a beep.
MatrixSize PromptSize(Calculator& calculator, const char* title);
// A prompt followed by a beep.
int PromptIntAndBeep(Calculator& calculator, const char* label);
double PromptRealAndBeep(Calculator& calculator, const char* label);
// Whether a rows x columns matrix may be made: both at least 1 and within
// the allocation limit. Says "Out of range" when not.
bool SizeInRange(Calculator& calculator, long long rows, long long columns);
void ReportOutOfRange(Calculator& calculator, const char* caption);
// In real mode asks whether to go on; then switches to complex mode. False
// on No, with nothing changed.
bool SwitchToComplexMode(Calculator& calculator);
// The current matrix when it is a vector; otherwise says what is missing
// (under the caption) and gives nothing.
std::optional<NEWMAT::Matrix> BaseVector(Calculator& calculator, const char* caption);
// Makes the matrix the current matrix and shows it.
void StoreCreated(Calculator& calculator, const NEWMAT::Matrix& m);
