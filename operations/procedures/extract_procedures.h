#pragma once
// Procedures that cut a part out of the current matrix or sum it up: a row,
// a column, a block, the diagonal, the row sums and the column sums. In
// complex mode column numbers count complex columns.

class CCalculatorDlg;

void OnGetRow(CCalculatorDlg& dlg);
void OnGetColumn(CCalculatorDlg& dlg);
void OnGetSubmatrix(CCalculatorDlg& dlg);
// Every element off the main diagonal becomes 0; the shape stays.
void OnGetDiagonal(CCalculatorDlg& dlg);
// The column of row sums.
void OnRowSum(CCalculatorDlg& dlg);
// The row of column sums.
void OnColumnSum(CCalculatorDlg& dlg);
