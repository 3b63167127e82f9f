#include "operations/solvers/simplex_command.h"

#include <newmat.h>

#include <cmath>
#include <string>

#include "calculator/calculator_dlg.h"
#include "matrixlib/predicates.h"
#include "matrixlib/rearrange.h"
#include "operations/procedures/procedure_frame.h"
#include "operations/solvers/simplex.h"

namespace {

const char* const kSimplexError = "Simplex Error";
const char* const kSimplexCaption = "Linear Optimization Using Simplex";
const char* const kBadTableau = "Bad input tableau in simplex";

// A tableau needs a variable and a constraint, finite entries and right-hand
// sides that are not negative.
bool UsableTableau(const NEWMAT::Matrix& T) {
    if (T.Nrows() < 2 || T.Ncols() < 2) return false;
    const double* element = T.Store();
    for (int i = 0; i < T.Nrows() * T.Ncols(); ++i)
        if (!std::isfinite(element[i])) return false;
    for (int r = 2; r <= T.Nrows(); ++r)
        if (T(r, 1) < 0.0) return false;
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
            dlg.Host().MessageBox(kBadTableau, kSimplexError, MB_OK | MB_ICONSTOP);
            return;
        }
        const int m = T.Nrows() - 1;
        const int n = T.Ncols() - 1;
        const int m1 = dlg.PromptInt("No <=");
        const int m2 = dlg.PromptInt("No >=");
        const int m3 = dlg.PromptInt("No =");
        if (m1 < 0 || m2 < 0 || m3 < 0 || static_cast<long long>(m1) + m2 + m3 != m) {
            dlg.Host().MessageBox("Bad constraint numbers", kSimplexError, MB_OK | MB_ICONSTOP);
            return;
        }

        NEWMAT::Matrix a(m + 2, n + 1);
        a = 0.0;
        a.Rows(1, m + 1) = T;
        const SimplexResult result = Simplex(a, m, n, m1, m2, m3);
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

        NEWMAT::Matrix R = a.Rows(1, m + 1);
        NEWMAT::RowVector x(n);
        x = 0.0;
        NEWMAT::Matrix order(m + 1, 1);
        order = 0.0;
        for (int i = 1; i <= m; ++i) {
            const int basic = result.iposv[i - 1];
            if (basic <= n) x(basic) = R(i + 1, 1);
            order(i + 1, 1) = basic;
        }
        SetRowOrder(R, order);
        if (dlg.Host().MessageBox(OptimumText(dlg, x), kSimplexCaption, MB_YESNO) == IDYES)
            dlg.SaveToTemporaryRegister(x);
        dlg.SetCurrentMatrix(R);
        dlg.ShowCurrentMatrix();
    });
}

std::span<const NamedCommand> SimplexCommands() {
    static constexpr NamedCommand kCommands[] = {
        {"Simplex", OnSimplex},
    };
    return kCommands;
}
