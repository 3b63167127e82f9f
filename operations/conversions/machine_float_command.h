#pragma once
// "Machine Floating Point": shows the characteristics of the machine's
// single-precision arithmetic.

class CCalculatorDlg;

void OnMachineFloatingPoint(CCalculatorDlg& dlg);
