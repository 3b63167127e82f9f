#include "operations/conversions/constants.h"

#include <cstdio>

#include "calculator/calculator_dlg.h"

void InsertConstant(CCalculatorDlg& dlg, double value) {
    dlg.SetExponentFlag(true);
    char text[40];
    std::snprintf(text, sizeof text, "%.16e", value);
    dlg.AppendToEntryText(text);
}
