#include "operations/solvers/solve_command.h"

#include <newmat.h>

#include <optional>

#include "calculator/calculator_dlg.h"
#include "matrixlib/linear_solvers.h"
#include "matrixlib/predicates.h"
#include "matrixlib/zt_error.h"

namespace {

const char* const kSolveCaption = "Solve Ax = b Error";
const char* const kSingularMatrix = "Singular Matrix";

using Solver = void (*)(const NEWMAT::Matrix& A, NEWMAT::Matrix& B);

void Refuse(CCalculatorDlg& dlg, const char* text) {
    dlg.Refuse(text, kSolveCaption);
}

// Recalls the register as the Recall command does and returns what it left
// as the current matrix.
NEWMAT::Matrix Recall(CCalculatorDlg& dlg, const char* letter) {
    dlg.RecallRegister(letter);
    return dlg.GetCurrentMatrix();
}

void Store(CCalculatorDlg& dlg, const NEWMAT::Matrix& value, const char* letter) {
    dlg.SetCurrentMatrix(value);
    dlg.StoreRegister(letter);
}

void Solve(CCalculatorDlg& dlg, Solver solver) {
    dlg.RunCommand([&dlg, solver] {
        const NEWMAT::Matrix A = Recall(dlg, "A");
        if (!Exist(A)) return Refuse(dlg, "Register A is Empty");
        if (!Square(A)) return Refuse(dlg, "Non-Square Matrix in A");
        NEWMAT::Matrix X = Recall(dlg, "B");
        if (!Exist(X)) return Refuse(dlg, "Register B is Empty");
        if (A.Nrows() != X.Nrows()) return Refuse(dlg, "Rows of A and b Are Incompatible");

        // A singular A (a vanishing pivot or a non-finite element) is
        // refused before any register is written.
        try {
            solver(A, X);
        } catch (const ztmath::MathError&) {
            return Refuse(dlg, kSingularMatrix);
        }
        const NEWMAT::Matrix D = A * X;
        Store(dlg, D, "D");
        Store(dlg, X, "C");
        dlg.ShowCurrentMatrix();
    });
}

} // namespace

void SolveGaussJordan(CCalculatorDlg& dlg) {
    Solve(dlg, GetGaussJSolVec);
}

void SolveLu(CCalculatorDlg& dlg) {
    Solve(dlg, GetLuSolVec);
}

void OnSolveLinearSystem(CCalculatorDlg& dlg) {
    dlg.RunCommand([&dlg] {
        const std::optional<SolveMethod> method = dlg.Host().ShowSolveDialog();
        if (method == SolveMethod::GaussJordan)
            SolveGaussJordan(dlg);
        else if (method == SolveMethod::Lu)
            SolveLu(dlg);
    });
}

std::span<const NamedCommand> SolveCommands() {
    static constexpr NamedCommand kCommands[] = {
        {"Solve Ax = b", OnSolveLinearSystem},
    };
    return kCommands;
}
