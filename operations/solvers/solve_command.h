#pragma once
// "Solve Ax = b": solves the system of register A and right-hand side(s)
// register B, stores the solution in register C and the check product A x
// in register D, and leaves the solution as the current matrix.

class CCalculatorDlg;

void OnSolveLinearSystem(CCalculatorDlg& dlg);
void SolveGaussJordan(CCalculatorDlg& dlg);
void SolveLu(CCalculatorDlg& dlg);
