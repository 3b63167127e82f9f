#include "operations/solvers/simplex_command.h"

#include <newmat.h>

#include <cmath>
#include <string>

#include "calculator/calculator.h"
#include "matrixlib/predicates.h"
#include "operations/procedures/procedure_frame.h"
#include "operations/solvers/simplex.h"

namespace {

const char* const kSimplexError = "Simplex Error";
const char* const kSimplexCaption = "Linear Optimization Using Simplex";
const char* const kBadTableau = "Bad input tableau in simplex";

// A tableau needs a variable, a constraint and finite entries.
bool UsableTableau(const NEWMAT::Matrix& T) {
    if (T.Nrows() < 2 || T.Ncols() < 2) return false;
    const double* element = T.Store();
    for (int i = 0; i < T.Nrows() * T.Ncols(); ++i)
        if (!std::isfinite(element[i])) return false;
    return true;
}

std::string OptimumText(Calculator& calculator, const NEWMAT::RowVector& x) {
    std::string text = "Finite solution to objective function found.\n";
    text += "The optimal feasible vector is:\n\n";
    for (int j = 1; j <= x.Ncols(); ++j)
        text += FormatMessageValue(x(j), calculator.Width(), calculator.Decimals(),
                                   calculator.ExponentFlag()) +
                "  ";
    text += "\n\nDo you wish to save it to temporary register (t) ?";
    return text;
}

// An answer that is not a failure: the problem has no optimum.
void Inform(Calculator& calculator, const char* text) {
    calculator.Host().MessageBox(text, kSimplexCaption, MB_OK | MB_ICONINFORMATION);
}

} // namespace

void OnSimplex(Calculator& calculator) {
    calculator.RunCommand([&calculator] {
        const NEWMAT::Matrix T = calculator.GetCurrentMatrix();
        if (!Exist(T)) return;
        if (!UsableTableau(T)) {
            calculator.Refuse(kBadTableau, kSimplexError);
            return;
        }
        const int m = T.Nrows() - 1;
        const int m1 = calculator.PromptInt("No <=");
        const int m2 = calculator.PromptInt("No >=");
        const int m3 = calculator.PromptInt("No =");
        if (m1 < 0 || m2 < 0 || m3 < 0 || static_cast<long long>(m1) + m2 + m3 != m) {
            calculator.Refuse("Bad constraint numbers", kSimplexError);
            return;
        }

        // A negative right-hand side is announced once per row; the problem
        // is then solved as stated.
        for (int row = 2; row <= m + 1; ++row)
            if (T(row, 1) < 0.0)
                calculator.Host().MessageBox(kBadTableau, kApplicationTitle, MB_OK);
        const StatedSolution result = SolveStated(T, m1, m2, m3);
        switch (result.outcome) {
        case SimplexOutcome::Optimal:
            break;
        case SimplexOutcome::Unbounded:
            return Inform(calculator, "Unbounded objective function");
        case SimplexOutcome::Infeasible:
            return Inform(calculator, "No solutions satisfy constraints given");
        case SimplexOutcome::TooManyIterations:
            calculator.Refuse("Too many iterations in simplex", kSimplexCaption);
            return;
        case SimplexOutcome::BadCounts:
            return; // the counts were checked above
        }

        if (calculator.Host().MessageBox(OptimumText(calculator, result.x), kSimplexCaption,
                                         MB_YESNO) == IDYES)
            calculator.SaveToTemporaryRegister(result.x);
        calculator.SetCurrentMatrix(result.tableau);
        calculator.ShowCurrentMatrix();
    });
}

std::span<const NamedCommand> SimplexCommands() {
    static constexpr NamedCommand kCommands[] = {
        {"Simplex", OnSimplex},
    };
    return kCommands;
}
