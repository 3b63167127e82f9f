#include "operations/solvers/simplex_command.h"

#include <newmat.h>

#include <cmath>
#include <string>

#include "calculator/calculator_dlg.h"
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

std::string OptimumText(CCalculatorDlg& dlg, const NEWMAT::RowVector& x) {
    std::string text = "Finite solution to objective function found.\n";
    text += "The optimal feasible vector is:\n\n";
    for (int j = 1; j <= x.Ncols(); ++j)
        text += FormatMessageValue(x(j), dlg.Width(), dlg.Decimals(), dlg.ExponentFlag()) + "  ";
    text += "\n\nDo you wish to save it to temporary register (t) ?";
    return text;
}

void Report(CCalculatorDlg& dlg, const char* text, unsigned icon) {
    dlg.Host().MessageBox(text, kSimplexCaption, MB_OK | icon);
}

} // namespace

void OnSimplex(CCalculatorDlg& dlg) {
    dlg.RunCommand([&dlg] {
        const NEWMAT::Matrix T = dlg.GetCurrentMatrix();
        if (!Exist(T)) return;
        if (!UsableTableau(T)) {
            dlg.Refuse(kBadTableau, kSimplexError);
            return;
        }
        const int m = T.Nrows() - 1;
        const int m1 = dlg.PromptInt("No <=");
        const int m2 = dlg.PromptInt("No >=");
        const int m3 = dlg.PromptInt("No =");
        if (m1 < 0 || m2 < 0 || m3 < 0 || static_cast<long long>(m1) + m2 + m3 != m) {
            dlg.Refuse("Bad constraint numbers", kSimplexError);
            return;
        }

        // A negative right-hand side is announced once per row; the problem
        // is then solved as stated.
        for (int row = 2; row <= m + 1; ++row)
            if (T(row, 1) < 0.0) dlg.Host().MessageBox(kBadTableau, kApplicationTitle, MB_OK);
        const StatedSolution result = SolveStated(T, m1, m2, m3);
        switch (result.outcome) {
        case SimplexOutcome::Optimal:
            break;
        case SimplexOutcome::Unbounded:
            return Report(dlg, "Unbounded objective function", MB_ICONINFORMATION);
        case SimplexOutcome::Infeasible:
            return Report(dlg, "No solutions satisfy constraints given", MB_ICONINFORMATION);
        case SimplexOutcome::TooManyIterations:
            return Report(dlg, "Too many iterations in simplex", MB_ICONSTOP);
        case SimplexOutcome::BadCounts:
            return; // the counts were checked above
        }

        if (dlg.Host().MessageBox(OptimumText(dlg, result.x), kSimplexCaption, MB_YESNO) == IDYES)
            dlg.SaveToTemporaryRegister(result.x);
        dlg.SetCurrentMatrix(result.tableau);
        dlg.ShowCurrentMatrix();
    });
}

std::span<const NamedCommand> SimplexCommands() {
    static constexpr NamedCommand kCommands[] = {
        {"Simplex", OnSimplex},
    };
    return kCommands;
}
