#pragma once
// "Simplex": maximises the objective of the tableau in the display under its
// constraints, asking how many are of each kind.

class CCalculatorDlg;

void OnSimplex(CCalculatorDlg& dlg);
