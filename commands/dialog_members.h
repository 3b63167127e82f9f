#pragma once
// Rows of the command tables name the dialog's members through these, so a
// row stays one line: Run<&CCalculatorDlg::OnAdd>, Not<&CCalculatorDlg::CanUndo>.

#include "calculator/calculator_dlg.h"

template <void (CCalculatorDlg::*member)()>
void Run(CCalculatorDlg& dlg) {
    (dlg.*member)();
}

template <bool (CCalculatorDlg::*member)() const>
bool Is(const CCalculatorDlg& dlg) {
    return (dlg.*member)();
}

template <bool (CCalculatorDlg::*member)() const>
bool Not(const CCalculatorDlg& dlg) {
    return !(dlg.*member)();
}
