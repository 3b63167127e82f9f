#pragma once
// Eigenvalues, eigenvectors, similarity forms, the characteristic
// polynomial and the matrix exponential, sine and cosine.

#include <string>

class CCalculatorDlg;

// The n × 2 matrix [real parts | imaginary parts] of the eigenvalues (by
// balancing, Hessenberg reduction and the shifted QR iteration).
void OnEigenvalues(CCalculatorDlg& dlg);
// Eigenvectors of a symmetric matrix, one per column, by Jacobi rotations;
// the eigenvalues go to t.
void OnEigenvectors1(CCalculatorDlg& dlg);
// The same by Householder tridiagonal reduction and the implicit QL
// iteration.
void OnEigenvectors2(CCalculatorDlg& dlg);
// Real mode: Pᵀ·A·P for the orthonormal eigenvectors P of the symmetric A.
// Complex mode: Uᴴ·M·U for the unitary eigenvectors U of the Hermitian M,
// with the eigenvalues of its composite form in t.
void OnDiagonalize(CCalculatorDlg& dlg);
void OnHessenbergForm(CCalculatorDlg& dlg);
// Qᵀ·A·Q, tridiagonal, for the Householder reduction Q of the symmetric A.
void OnTriDiagonalForm(CCalculatorDlg& dlg);
// One row: the coefficients of det(λI − M), highest power first.
void OnCharacteristic(CCalculatorDlg& dlg);
void OnMatrixExp(CCalculatorDlg& dlg);
void OnMatrixSin(CCalculatorDlg& dlg);
void OnMatrixCos(CCalculatorDlg& dlg);

// The report of a series that summed count terms.
std::string SeriesMessage(int count);
