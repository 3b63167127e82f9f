#pragma once
// Procedures that take two matrices: picking the row remembers the current
// matrix as the first operand, and "=" finishes them with the current matrix
// as the second.

#include <newmat.h>

#include "calculator/calculator_commands.h"

// The second half of a pending procedure: a the first operand, b the
// current matrix. Failed after its box when the operands do not fit; Skipped
// for an operation that is not a procedure's.
EqualsOutcome FinishPendingProcedure(CCalculatorDlg& dlg, PendingOperation operation,
                                     const NEWMAT::Matrix& a, const NEWMAT::Matrix& b,
                                     NEWMAT::Matrix& result);

// The rows that begin them. A concatenation writes its cue into the display.
void OnConcatDiagonal(CCalculatorDlg& dlg);
void OnConcatHorizontal(CCalculatorDlg& dlg);
void OnConcatVertical(CCalculatorDlg& dlg);
void OnDotProduct(CCalculatorDlg& dlg);
void OnCrossProduct(CCalculatorDlg& dlg);
