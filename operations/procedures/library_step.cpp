#include "operations/procedures/library_step.h"

#include "calculator/calculator_dlg.h"
#include "matrixlib/zt_error.h"

bool RunLibraryStep(CCalculatorDlg& dlg, const char* caption, const std::function<void()>& step) {
    try {
        step();
        return true;
    } catch (const ztmath::MathError& error) {
        return dlg.Refuse(error.what(), caption);
    }
}
