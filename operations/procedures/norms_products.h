#pragma once
// Procedures that reduce the current matrix to a number: the matrix and
// vector norms and the product of the diagonal.

class CCalculatorDlg;

// The Frobenius norm, reported with the offer to save it to t.
void OnMatrixNorm(CCalculatorDlg& dlg);
// The Euclidean length of a row or column, reported likewise.
void OnVectorNorm(CCalculatorDlg& dlg);
// Replaces the matrix by the 1 x 1 product of its diagonal (a complex
// number in complex mode).
void OnDiagProduct(CCalculatorDlg& dlg);
