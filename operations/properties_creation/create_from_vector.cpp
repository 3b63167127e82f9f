// Creations built from the current matrix: the companion matrix of the
// polynomial it holds, and the circulant and Vandermonde matrices of a base
// vector.

#include "calculator/calculator.h"
#include "matrixlib/polynomial.h"
#include "matrixlib/predicates.h"
#include "matrixlib/special_matrices.h"
#include "operations/properties_creation/creation_steps.h"
#include "operations/properties_creation/matrix_creation.h"

using NEWMAT::Matrix;

namespace {

// n x n from an n-element base vector.
void CreateFromBase(Calculator& calculator, const char* errorCaption,
                    Matrix (*build)(const Matrix&)) {
    calculator.RunCommand([&] {
        const std::optional<Matrix> base = BaseVector(calculator, errorCaption);
        if (!base) return;
        const long long n = static_cast<long long>(base->Nrows()) * base->Ncols();
        if (!SizeInRange(calculator, n, n)) return;
        StoreCreated(calculator, build(*base));
    });
}

} // namespace

void OnCreateCompanion(Calculator& calculator) {
    calculator.RunCommand([&] {
        const Matrix coefficients = calculator.GetCurrentMatrix();
        if (!Exist(coefficients)) return;
        // n + 1 coefficients give an n x n matrix; fewer than two are the
        // library's to refuse.
        const long long n = static_cast<long long>(coefficients.Storage()) - 1;
        if (n >= 1 && !SizeInRange(calculator, n, n)) return;
        StoreCreated(calculator, Companion2(coefficients));
    });
}

void OnCreateToeplitz(Calculator& calculator) {
    CreateFromBase(calculator, " Toeplitz Matrix Error", Circulant);
}

void OnCreateVandermonde(Calculator& calculator) {
    CreateFromBase(calculator, " Vandermonde Matrix Error", Vandermonde);
}

std::span<const NamedCommand> CreateFromVectorCommands() {
    static constexpr NamedCommand kCommands[] = {
        {"Create Companion", OnCreateCompanion},
        {"Create Toeplitz", OnCreateToeplitz},
        {"Create Vandermonde", OnCreateVandermonde},
    };
    return kCommands;
}
