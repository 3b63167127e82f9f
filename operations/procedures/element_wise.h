#pragma once
// Procedures that replace every element of the current matrix by a function
// of that element alone. A dual (complex) matrix is treated as its real
// numbers, so real and imaginary parts are transformed separately.

class CCalculatorDlg;

void OnElementSin(CCalculatorDlg& dlg);
void OnElementCos(CCalculatorDlg& dlg);
void OnElementTan(CCalculatorDlg& dlg);
void OnElementArcsin(CCalculatorDlg& dlg);
void OnElementArccos(CCalculatorDlg& dlg);
void OnElementArctan(CCalculatorDlg& dlg);
void OnElementExp(CCalculatorDlg& dlg);
void OnElementExp10(CCalculatorDlg& dlg);
void OnElementLog(CCalculatorDlg& dlg);
void OnElementLog10(CCalculatorDlg& dlg);
void OnElementSquareRoot(CCalculatorDlg& dlg);
void OnElementReciprocal(CCalculatorDlg& dlg);
void OnElementNegative(CCalculatorDlg& dlg);
void OnElementAbsolute(CCalculatorDlg& dlg);
// Also sets the decimals to 0 so the integers show without a fraction.
void OnElementInteger(CCalculatorDlg& dlg);
void OnElementToDegrees(CCalculatorDlg& dlg);
void OnElementToRadians(CCalculatorDlg& dlg);
