#pragma once
// The yes/no and numeric questions of the MATRIX TESTS group. Each reads the
// current matrix, ends silently when there is none, and answers in a message
// box; none of them changes the calculator's state.
//
// In complex mode "Square", "Singular", "Rank", "Positive Definite",
// "Symmetric" and "Condition Number" answer for the complex matrix (through
// its composite form, whose rank is twice the complex rank); the other tests
// look at the stored real numbers.

class CCalculatorDlg;

void OnTestOrthogonal(CCalculatorDlg& dlg);
void OnTestPositiveDefinite(CCalculatorDlg& dlg);
void OnTestRank(CCalculatorDlg& dlg);
void OnTestSingular(CCalculatorDlg& dlg);
void OnTestSize(CCalculatorDlg& dlg);
void OnTestSkewSymmetric(CCalculatorDlg& dlg);
void OnTestSquare(CCalculatorDlg& dlg);
void OnTestStochastic(CCalculatorDlg& dlg);
// Stochastic, and so is its transpose.
void OnTestDoubleStochastic(CCalculatorDlg& dlg);
void OnTestSymmetric(CCalculatorDlg& dlg);
void OnTestConditionNumber(CCalculatorDlg& dlg);
// Complex mode only; refused with "Not in complex mode" in real mode.
void OnTestHermitian(CCalculatorDlg& dlg);
void OnTestUnitary(CCalculatorDlg& dlg);
