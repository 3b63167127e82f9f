#include "operations/solvers/solve_command.h"

#include <newmat.h>

#include <optional>

#include "calculator/calculator.h"
#include "calculator/exact_path.h"
#include "exact/exact_algebra.h"
#include "matrixlib/linear_solvers.h"
#include "matrixlib/predicates.h"
#include "matrixlib/zt_error.h"

namespace {

const char* const kSolveCaption = "Solve Ax = b Error";
const char* const kSingularMatrix = "Singular Matrix";
const char* const kSolveSteps = "Solve Ax = b";

using Solver = void (*)(const NEWMAT::Matrix& A, NEWMAT::Matrix& B);

void Refuse(Calculator& calculator, const char* text) {
    calculator.Refuse(text, kSolveCaption);
}

// Recalls the register as the Recall command does and returns what it left
// as the current matrix.
NEWMAT::Matrix Recall(Calculator& calculator, const char* letter) {
    calculator.RecallRegister(letter);
    return calculator.GetCurrentMatrix();
}

void Store(Calculator& calculator, const NEWMAT::Matrix& value, const char* letter) {
    calculator.SetCurrentMatrix(value);
    calculator.StoreRegister(letter);
}

// Under Fraction, when A and B read exactly: x and A·x in exact arithmetic,
// with the steps of the elimination on [A | B]. False when the exact path
// does not apply.
bool SolveExactly(Calculator& calculator, const NEWMAT::Matrix& A, const NEWMAT::Matrix& B) {
    const std::optional<RationalMatrix> a = ExactOperand(calculator, A);
    if (!a) return false;
    const std::optional<RationalMatrix> b = ExactOperand(calculator, B);
    if (!b) return false;
    const ExactResult<RationalMatrix> x = ExactSolve(*a, *b);
    NoticeExact(calculator);
    KeepExactSteps(calculator, kSolveSteps, SideBySide(*a, *b), SolveSteps(*a, *b));
    if (!x.IsDone()) {
        Refuse(calculator, kSingularMatrix);
        return true;
    }
    Store(calculator, NearestDoubles(ExactProduct(*a, x.value).value), "D");
    Store(calculator, NearestDoubles(x.value), "C");
    calculator.ShowCurrentMatrix();
    return true;
}

void Solve(Calculator& calculator, Solver solver) {
    calculator.RunCommand([&calculator, solver] {
        const NEWMAT::Matrix A = Recall(calculator, "A");
        if (!Exist(A)) return Refuse(calculator, "Register A is Empty");
        if (!Square(A)) return Refuse(calculator, "Non-Square Matrix in A");
        NEWMAT::Matrix X = Recall(calculator, "B");
        if (!Exist(X)) return Refuse(calculator, "Register B is Empty");
        if (A.Nrows() != X.Nrows()) return Refuse(calculator, "Rows of A and b Are Incompatible");

        if (SolveExactly(calculator, A, X)) return;
        const NEWMAT::Matrix B = X;
        // A singular A (a vanishing pivot or a non-finite element) is
        // refused before any register is written.
        try {
            solver(A, X);
        } catch (const ztmath::MathError&) {
            return Refuse(calculator, kSingularMatrix);
        }
        const NEWMAT::Matrix D = A * X;
        Store(calculator, D, "D");
        Store(calculator, X, "C");
        calculator.ShowCurrentMatrix();
        // The solvers keep their factors to themselves: the accuracy takes
        // an LU of its own.
        NoticeFloatingPoint(calculator, SolveAccuracy(A, X, B));
    });
}

} // namespace

void SolveGaussJordan(Calculator& calculator) {
    Solve(calculator, GetGaussJSolVec);
}

void SolveLu(Calculator& calculator) {
    Solve(calculator, GetLuSolVec);
}

void OnSolveLinearSystem(Calculator& calculator) {
    calculator.RunCommand([&calculator] {
        const std::optional<SolveMethod> method = calculator.Host().ShowSolveDialog();
        if (method == SolveMethod::GaussJordan)
            SolveGaussJordan(calculator);
        else if (method == SolveMethod::Lu)
            SolveLu(calculator);
    });
}

std::span<const NamedCommand> SolveCommands() {
    static constexpr NamedCommand kCommands[] = {
        {"Solve Ax = b", OnSolveLinearSystem},
    };
    return kCommands;
}
