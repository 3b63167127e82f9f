#include "operations/procedures/row_operations.h"

#include "calculator/calculator_dlg.h"
#include "matrixlib/ztmath.h"
#include "operations/procedures/procedure_frame.h"

using NEWMAT::Matrix;

namespace {

const char* const kRowLabel = "Row";

// Reports a row outside the matrix; true when the row is inside it.
bool RowInRange(CCalculatorDlg& dlg, const Matrix& m, int row) {
    if (row >= 1 && row <= m.Nrows()) return true;
    dlg.Refuse("Row boundary error", "Row Swap Error");
    return false;
}

} // namespace

void OnRowSwap(CCalculatorDlg& dlg) {
    RunProcedure(dlg, ComplexSupport::Supported, [&dlg](Matrix& m) {
        const int a = dlg.PromptInt(kRowLabel);
        const int b = dlg.PromptInt(kRowLabel);
        if (!RowInRange(dlg, m, a) || !RowInRange(dlg, m, b)) return false;
        Srow(m, a, b);
        return true;
    });
}

// Adds the first row asked for into the second.
void OnRowAdd(CCalculatorDlg& dlg) {
    RunProcedure(dlg, ComplexSupport::Supported, [&dlg](Matrix& m) {
        const int from = dlg.PromptInt(kRowLabel);
        const int into = dlg.PromptInt(kRowLabel);
        if (!RowInRange(dlg, m, from) || !RowInRange(dlg, m, into)) return false;
        for (int j = 1; j <= m.Ncols(); ++j)
            m(into, j) += m(from, j);
        return true;
    });
}

// Divides a row by its first nonzero element; a zero row stays as it is.
void OnRowPivot(CCalculatorDlg& dlg) {
    RunProcedure(dlg, ComplexSupport::Refused, [&dlg](Matrix& m) {
        const int row = dlg.PromptInt("Row:");
        if (!RowInRange(dlg, m, row)) return false;
        int pivotColumn = 1;
        while (pivotColumn <= m.Ncols() && m(row, pivotColumn) == 0.0)
            ++pivotColumn;
        if (pivotColumn > m.Ncols()) return false;
        const double pivot = m(row, pivotColumn);
        for (int j = 1; j <= m.Ncols(); ++j)
            m(row, j) /= pivot;
        return true;
    });
}

void OnRowScalarMult(CCalculatorDlg& dlg) {
    RunProcedure(dlg, ComplexSupport::Supported, [&dlg](Matrix& m) {
        const int row = dlg.PromptInt(kRowLabel);
        const double scalar = dlg.PromptReal("Scalar");
        if (!RowInRange(dlg, m, row)) return false;
        for (int j = 1; j <= m.Ncols(); ++j)
            m(row, j) *= scalar;
        return true;
    });
}

std::span<const NamedCommand> RowOperationsCommands() {
    static constexpr NamedCommand kCommands[] = {
        {"Row:Add", OnRowAdd},
        {"Row:Pivot", OnRowPivot},
        {"Row:Scalar Mult", OnRowScalarMult},
        {"Row:Swap", OnRowSwap},
    };
    return kCommands;
}
