#pragma once
// The two ways a factorisation or spectral procedure refuses: a failed
// precondition, and a numerical failure of the matrix library. Both show a
// stop box with the procedure's own caption and leave everything unchanged.

#include <functional>

class CCalculatorDlg;

// Shows text with the caption and the stop icon; returns false, so that a
// procedure's compute step can end with `return Refuse(...)`.
bool Refuse(CCalculatorDlg& dlg, const char* text, const char* caption);

// Runs step; when it raises ztmath::MathError, shows the error's text with
// the caption and the stop icon and returns false. Other failures pass on
// to the command frame.
bool RunLibraryStep(CCalculatorDlg& dlg, const char* caption, const std::function<void()>& step);
