#include "operations/procedures/library_step.h"

#include "calculator/calculator_dlg.h"
#include "matrixlib/zt_error.h"

bool Refuse(CCalculatorDlg& dlg, const char* text, const char* caption) {
    dlg.Host().MessageBox(text, caption, MB_OK | MB_ICONSTOP);
    return false;
}

bool RunLibraryStep(CCalculatorDlg& dlg, const char* caption, const std::function<void()>& step) {
    try {
        step();
        return true;
    } catch (const ztmath::MathError& error) {
        dlg.Host().MessageBox(error.what(), caption, MB_OK | MB_ICONSTOP);
        return false;
    }
}
