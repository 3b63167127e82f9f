#pragma once
// The FACTOR MATRIX group: each procedure factorises the current matrix and
// replaces it by one factor. A dual (complex) matrix is factorised as the
// real matrix it is stored as.

class CCalculatorDlg;

// L (unit diagonal) and U of the LU decomposition with partial pivoting,
// so L·U is the matrix with its rows permuted. A singular matrix (a pivot
// at or below n·eps·max|a_ij|) is refused, nothing stored.
void OnFactorLuLower(CCalculatorDlg& dlg);
void OnFactorLuUpper(CCalculatorDlg& dlg);
// L with M = L·Lᵀ for a symmetric positive definite matrix.
void OnFactorCholesky(CCalculatorDlg& dlg);
// Q (rows × cols, orthonormal columns) and R (cols × cols, upper
// triangular) with M = Q·R; fewer rows than columns are refused.
void OnFactorQrQ(CCalculatorDlg& dlg);
void OnFactorQrR(CCalculatorDlg& dlg);
// The factors of M = U·D·Vᵀ, singular values descending on D's diagonal;
// fewer rows than columns are refused.
void OnFactorSvdD(CCalculatorDlg& dlg);
void OnFactorSvdU(CCalculatorDlg& dlg);
void OnFactorSvdV(CCalculatorDlg& dlg);
// U of the singular value decomposition of a symmetric matrix (its
// eigenvectors when it is positive definite).
void OnFactorJacobi(CCalculatorDlg& dlg);
