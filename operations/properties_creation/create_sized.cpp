// Creations whose size the user types: Hilbert, identity, null, unit, primes
// and random matrices.

#include <functional>

#include "calculator/calculator.h"
#include "matrixlib/creation.h"
#include "matrixlib/rearrange.h"
#include "matrixlib/special_matrices.h"
#include "operations/properties_creation/creation_steps.h"
#include "operations/properties_creation/matrix_creation.h"

using NEWMAT::Matrix;

namespace {

// Replace check, size prompts and range check, then build and store.
void CreateSized(Calculator& calculator, const char* title,
                 const std::function<Matrix(const MatrixSize&)>& build) {
    calculator.RunCommand([&] {
        if (!ConfirmReplace(calculator)) return;
        const MatrixSize size = PromptSize(calculator, title);
        if (!SizeInRange(calculator, size.rows, size.columns)) return;
        StoreCreated(calculator, build(size));
    });
}

Matrix Filled(const MatrixSize& size, double value) {
    Matrix m(size.rows, size.columns);
    m = value;
    return m;
}

} // namespace

void OnCreateHilbert(Calculator& calculator) {
    CreateSized(calculator, "Hilbert Matrix",
                [](const MatrixSize& size) { return Hilbert(size.rows, size.columns); });
}

void OnCreateIdentity(Calculator& calculator) {
    CreateSized(calculator, "Identity Matrix", [](const MatrixSize& size) {
        Matrix m = Filled(size, 0.0);
        for (int i = 1; i <= size.rows && i <= size.columns; ++i)
            m(i, i) = 1.0;
        return m;
    });
}

void OnCreateNull(Calculator& calculator) {
    CreateSized(calculator, "Null Matrix",
                [](const MatrixSize& size) { return Filled(size, 0.0); });
}

void OnCreateUnit(Calculator& calculator) {
    CreateSized(calculator, "Unit Matrix",
                [](const MatrixSize& size) { return Filled(size, 1.0); });
}

void OnCreatePrime(Calculator& calculator) {
    CreateSized(calculator, "Prime Integer", [](const MatrixSize& size) {
        Matrix primes = Prime(size.rows * size.columns);
        Shape(primes, size.rows);
        return primes;
    });
}

void OnCreateRandom(Calculator& calculator) {
    CreateSized(calculator, "Random Matrix", [&calculator](const MatrixSize& size) {
        const double lower = PromptRealAndBeep(calculator, "Lower Bound:");
        const double upper = PromptRealAndBeep(calculator, "Upper Bound:");
        // The library's generator, seeded from the clock at its first use,
        // continues from one creation to the next.
        return Random(nullptr, size.rows, size.columns, lower, upper);
    });
}

std::span<const NamedCommand> CreateSizedCommands() {
    static constexpr NamedCommand kCommands[] = {
        {"Create Hilbert", OnCreateHilbert}, {"Create Identity", OnCreateIdentity},
        {"Create Null", OnCreateNull},       {"Create Prime", OnCreatePrime},
        {"Create Random", OnCreateRandom},   {"Create Unit", OnCreateUnit},
    };
    return kCommands;
}
