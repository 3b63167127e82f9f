#pragma once
// Edit > Copy As: the current matrix on the clipboard in another tool's
// notation (LaTeX, NumPy, MATLAB, MATLAB on one line, Mathematica, CSV,
// Markdown; interchange/notation_writing.h).

#include "interchange/notation_writing.h"

class Calculator;

// Each number as the display writes it under a Fixed or Exponential format
// (a truncated matrix holds the truncated values); under Format > Default,
// and in a radix other than ten, with the digits that read back exactly.
NumberFormatter CopiedNumberFormat(const Calculator& calculator);

// Typed text is set first, as SE sets it; without a matrix nothing is copied.
void CopyMatrixAs(Calculator& calculator, CopyNotation notation);

template <CopyNotation notation> void OnEditCopyAs(Calculator& calculator) {
    CopyMatrixAs(calculator, notation);
}
