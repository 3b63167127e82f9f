// Random Hermitian and unitary matrices: both switch the calculator to
// complex mode first.

#include <functional>

#include "calculator/calculator_dlg.h"
#include "matrixlib/creation.h"
#include "operations/properties_creation/creation_steps.h"
#include "operations/properties_creation/matrix_creation.h"

using NEWMAT::Matrix;

namespace {

using RandomComplex = Matrix (*)(int r, int c, double lo, double hi);

void CreateComplex(CCalculatorDlg& dlg, const char* title, RandomComplex build) {
    dlg.RunCommand([&] {
        if (!ConfirmReplace(dlg)) return;
        if (!SwitchToComplexMode(dlg)) return;
        dlg.Host().MessageBox("Enter Rows and Columns", title, MB_OK);
        const int n = PromptIntAndBeep(dlg, "Rows,Cols:");
        // n x n complex is stored as n x 2n.
        if (!SizeInRange(dlg, n, 2LL * n)) return;
        const double lower = PromptRealAndBeep(dlg, "Lower Bound:");
        const double upper = PromptRealAndBeep(dlg, "Upper Bound:");
        StoreCreated(dlg, build(n, n, lower, upper));
    });
}

} // namespace

void OnCreateHermitian(CCalculatorDlg& dlg) {
    CreateComplex(dlg, "Hermitian Matrix", RandomHermitian);
}

void OnCreateUnitary(CCalculatorDlg& dlg) {
    CreateComplex(dlg, "Unitary Matrix", RandomUnitary);
}

std::span<const NamedCommand> CreateComplexCommands() {
    static constexpr NamedCommand kCommands[] = {
        {"Create Hermitian", OnCreateHermitian},
        {"Create Unitary", OnCreateUnitary},
    };
    return kCommands;
}
