// Random Hermitian and unitary matrices: both switch the calculator to
// complex mode first.

#include <functional>

#include "calculator/calculator.h"
#include "matrixlib/creation.h"
#include "operations/properties_creation/creation_steps.h"
#include "operations/properties_creation/matrix_creation.h"

using NEWMAT::Matrix;

namespace {

using RandomComplex = Matrix (*)(int r, int c, double lo, double hi);

void CreateComplex(Calculator& calculator, const char* title, RandomComplex build) {
    calculator.RunCommand([&] {
        if (!ConfirmReplace(calculator)) return;
        if (!SwitchToComplexMode(calculator)) return;
        calculator.Host().MessageBox("Enter Rows and Columns", title, MB_OK);
        const int n = PromptIntAndBeep(calculator, "Rows,Cols:");
        // n x n complex is stored as n x 2n.
        if (!SizeInRange(calculator, n, 2LL * n)) return;
        const double lower = PromptRealAndBeep(calculator, "Lower Bound:");
        const double upper = PromptRealAndBeep(calculator, "Upper Bound:");
        StoreCreated(calculator, build(n, n, lower, upper));
    });
}

} // namespace

void OnCreateHermitian(Calculator& calculator) {
    CreateComplex(calculator, "Hermitian Matrix", RandomHermitian);
}

void OnCreateUnitary(Calculator& calculator) {
    CreateComplex(calculator, "Unitary Matrix", RandomUnitary);
}

std::span<const NamedCommand> CreateComplexCommands() {
    static constexpr NamedCommand kCommands[] = {
        {"Create Hermitian", OnCreateHermitian},
        {"Create Unitary", OnCreateUnitary},
    };
    return kCommands;
}
