#pragma once
// The CREATE MATRIX group: each creation asks for what it needs, builds a
// new matrix and makes it the current matrix. A size the machine cannot hold
// is refused as out of range before anything is allocated.

class CCalculatorDlg;

void OnCreateCompanion(CCalculatorDlg& dlg);
void OnCreateHermitian(CCalculatorDlg& dlg); // switches to complex mode
void OnCreateHilbert(CCalculatorDlg& dlg);
void OnCreateIdentity(CCalculatorDlg& dlg);
void OnCreateNull(CCalculatorDlg& dlg);
void OnCreateOrthogonal(CCalculatorDlg& dlg);
void OnCreatePrime(CCalculatorDlg& dlg);
void OnCreateRandom(CCalculatorDlg& dlg);
void OnCreateReflection(CCalculatorDlg& dlg);
void OnCreateRotation(CCalculatorDlg& dlg);
void OnCreateToeplitz(CCalculatorDlg& dlg);
void OnCreateUnit(CCalculatorDlg& dlg);
void OnCreateUnitary(CCalculatorDlg& dlg); // switches to complex mode
void OnCreateVandermonde(CCalculatorDlg& dlg);
