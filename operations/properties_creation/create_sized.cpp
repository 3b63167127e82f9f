// Creations whose size the user types: Hilbert, identity, null, unit, primes
// and random matrices.

#include <functional>

#include "calculator/calculator_dlg.h"
#include "matrixlib/creation.h"
#include "matrixlib/rearrange.h"
#include "matrixlib/special_matrices.h"
#include "operations/properties_creation/creation_steps.h"
#include "operations/properties_creation/matrix_creation.h"

using NEWMAT::Matrix;

namespace {

// Replace check, size prompts and range check, then build and store.
void CreateSized(CCalculatorDlg& dlg, const char* title,
                 const std::function<Matrix(const MatrixSize&)>& build) {
    dlg.RunCommand([&] {
        if (!ConfirmReplace(dlg)) return;
        const MatrixSize size = PromptSize(dlg, title);
        if (!SizeInRange(dlg, size.rows, size.columns)) return;
        StoreCreated(dlg, build(size));
    });
}

Matrix Filled(const MatrixSize& size, double value) {
    Matrix m(size.rows, size.columns);
    m = value;
    return m;
}

} // namespace

void OnCreateHilbert(CCalculatorDlg& dlg) {
    CreateSized(dlg, "Hilbert Matrix",
                [](const MatrixSize& size) { return Hilbert(size.rows, size.columns); });
}

void OnCreateIdentity(CCalculatorDlg& dlg) {
    CreateSized(dlg, "Identity Matrix", [](const MatrixSize& size) {
        Matrix m = Filled(size, 0.0);
        for (int i = 1; i <= size.rows && i <= size.columns; ++i)
            m(i, i) = 1.0;
        return m;
    });
}

void OnCreateNull(CCalculatorDlg& dlg) {
    CreateSized(dlg, "Null Matrix", [](const MatrixSize& size) { return Filled(size, 0.0); });
}

void OnCreateUnit(CCalculatorDlg& dlg) {
    CreateSized(dlg, "Unit Matrix", [](const MatrixSize& size) { return Filled(size, 1.0); });
}

void OnCreatePrime(CCalculatorDlg& dlg) {
    CreateSized(dlg, "Prime Integer", [](const MatrixSize& size) {
        Matrix primes = Prime(size.rows * size.columns);
        Shape(primes, size.rows);
        return primes;
    });
}

void OnCreateRandom(CCalculatorDlg& dlg) {
    CreateSized(dlg, "Random Matrix", [&dlg](const MatrixSize& size) {
        const double lower = PromptRealAndBeep(dlg, "Lower Bound:");
        const double upper = PromptRealAndBeep(dlg, "Upper Bound:");
        // The library's generator, seeded from the clock at its first use,
        // continues from one creation to the next.
        return Random(nullptr, size.rows, size.columns, lower, upper);
    });
}

std::span<const NamedCommand> CreateSizedCommands() {
    static constexpr NamedCommand kCommands[] = {
        {"Create Hilbert", OnCreateHilbert},
        {"Create Identity", OnCreateIdentity},
        {"Create Null", OnCreateNull},
        {"Create Prime", OnCreatePrime},
        {"Create Random", OnCreateRandom},
        {"Create Unit", OnCreateUnit},
    };
    return kCommands;
}
