#pragma once

class CCalculatorDlg;

// After a warning and a prompt, shows the elements as integers in a radix
// from 2 to 256; the fractional parts are dropped.
void OnSetRadix(CCalculatorDlg& dlg);
