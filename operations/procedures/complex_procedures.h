#pragma once
// Procedures for complex matrices: the conjugate, and the conversions
// between the dual matrix of complex mode and the real composite format,
// which switch the mode with them.

class CCalculatorDlg;

void OnComplexConjugate(CCalculatorDlg& dlg);
void OnComplexToComposite(CCalculatorDlg& dlg);
void OnCompositeToComplex(CCalculatorDlg& dlg);
