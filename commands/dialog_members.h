#pragma once
// Rows of the command tables name the dialog's members through these, and
// only through these, so a row stays one line: Run<&CCalculatorDlg::OnAdd>,
// Run<&CCalculatorDlg::EnableToolTips, true>, Not<&CCalculatorDlg::CanUndo>.

#include "calculator/calculator_dlg.h"

// The member called with the arguments written in the row, if any.
template <auto member, auto... arguments>
void Run(CCalculatorDlg& dlg) {
    (dlg.*member)(arguments...);
}

// The member called with the number of a numbered menu item.
template <auto member>
void RunWithNumber(CCalculatorDlg& dlg, int number) {
    (dlg.*member)(number);
}

template <bool (CCalculatorDlg::*member)() const>
bool Is(const CCalculatorDlg& dlg) {
    return (dlg.*member)();
}

template <bool (CCalculatorDlg::*member)() const>
bool Not(const CCalculatorDlg& dlg) {
    return !(dlg.*member)();
}
