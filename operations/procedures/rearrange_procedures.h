#pragma once
// Procedures that rearrange the elements of the current matrix: mirroring,
// quarter turns, reshaping, sorting, Gauss elimination and balancing.

class CCalculatorDlg;

void OnFlip(CCalculatorDlg& dlg);
void OnFlop(CCalculatorDlg& dlg);
void OnRotateLeft(CCalculatorDlg& dlg);
void OnRotateRight(CCalculatorDlg& dlg);
// Asks for the new row count; one that does not divide the element count
// is refused and nothing changes.
void OnReshape(CCalculatorDlg& dlg);
void OnSortAscending(CCalculatorDlg& dlg);
void OnSortDescending(CCalculatorDlg& dlg);
void OnRowSort(CCalculatorDlg& dlg);
// Reduced row echelon form.
void OnGaussElimination(CCalculatorDlg& dlg);
// Balances a square matrix that is not symmetric; leaves others unchanged.
void OnBalance(CCalculatorDlg& dlg);
