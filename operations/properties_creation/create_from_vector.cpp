// Creations built from the current matrix: the companion matrix of the
// polynomial it holds, and the circulant and Vandermonde matrices of a base
// vector.

#include "calculator/calculator_dlg.h"
#include "matrixlib/polynomial.h"
#include "matrixlib/predicates.h"
#include "matrixlib/special_matrices.h"
#include "operations/properties_creation/creation_steps.h"
#include "operations/properties_creation/matrix_creation.h"

using NEWMAT::Matrix;

namespace {

// n x n from an n-element base vector.
void CreateFromBase(CCalculatorDlg& dlg, const char* errorCaption, Matrix (*build)(const Matrix&)) {
    dlg.RunCommand([&] {
        const std::optional<Matrix> base = BaseVector(dlg, errorCaption);
        if (!base) return;
        const long long n = static_cast<long long>(base->Nrows()) * base->Ncols();
        if (!SizeInRange(dlg, n, n)) return;
        StoreCreated(dlg, build(*base));
    });
}

} // namespace

void OnCreateCompanion(CCalculatorDlg& dlg) {
    dlg.RunCommand([&] {
        const Matrix coefficients = dlg.GetCurrentMatrix();
        if (!Exist(coefficients)) return;
        // n + 1 coefficients give an n x n matrix; fewer than two are the
        // library's to refuse.
        const long long n = static_cast<long long>(coefficients.Storage()) - 1;
        if (n >= 1 && !SizeInRange(dlg, n, n)) return;
        StoreCreated(dlg, Companion2(coefficients));
    });
}

void OnCreateToeplitz(CCalculatorDlg& dlg) {
    CreateFromBase(dlg, " Toeplitz Matrix Error", Circulant);
}

void OnCreateVandermonde(CCalculatorDlg& dlg) {
    CreateFromBase(dlg, " Vandermonde Matrix Error", Vandermonde);
}

std::span<const NamedCommand> CreateFromVectorCommands() {
    static constexpr NamedCommand kCommands[] = {
        {"Create Companion", OnCreateCompanion},
        {"Create Toeplitz", OnCreateToeplitz},
        {"Create Vandermonde", OnCreateVandermonde},
    };
    return kCommands;
}
