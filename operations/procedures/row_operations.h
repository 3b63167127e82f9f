#pragma once
// The elementary row operations on the current matrix. Each asks for its
// row numbers; a row outside 1..rows is reported ("Row boundary error") and
// nothing changes. Rows of a dual (complex) matrix are complex rows, so the
// operations need no complex branch.

class CCalculatorDlg;

void OnRowSwap(CCalculatorDlg& dlg);
// Adds the first row asked for into the second.
void OnRowAdd(CCalculatorDlg& dlg);
// Divides a row by its first nonzero element; a zero row stays as it is.
void OnRowPivot(CCalculatorDlg& dlg);
void OnRowScalarMult(CCalculatorDlg& dlg);
