#include "operations/procedures/row_operations.h"

#include "calculator/calculator.h"
#include "matrixlib/ztmath.h"
#include "operations/procedures/procedure_frame.h"

using NEWMAT::Matrix;

namespace {

const char* const kRowLabel = "Row";

// Reports a row outside the matrix; true when the row is inside it.
bool RowInRange(Calculator& calculator, const Matrix& m, int row) {
    if (row >= 1 && row <= m.Nrows()) return true;
    calculator.Refuse("Row boundary error", "Row Swap Error");
    return false;
}

} // namespace

void OnRowSwap(Calculator& calculator) {
    RunProcedure(calculator, ComplexSupport::Supported, [&calculator](Matrix& m) {
        const int a = calculator.PromptInt(kRowLabel);
        const int b = calculator.PromptInt(kRowLabel);
        if (!RowInRange(calculator, m, a) || !RowInRange(calculator, m, b)) return false;
        Srow(m, a, b);
        return true;
    });
}

// Adds the first row asked for into the second.
void OnRowAdd(Calculator& calculator) {
    RunProcedure(calculator, ComplexSupport::Supported, [&calculator](Matrix& m) {
        const int from = calculator.PromptInt(kRowLabel);
        const int into = calculator.PromptInt(kRowLabel);
        if (!RowInRange(calculator, m, from) || !RowInRange(calculator, m, into)) return false;
        for (int j = 1; j <= m.Ncols(); ++j)
            m(into, j) += m(from, j);
        return true;
    });
}

// Divides a row by its first nonzero element; a zero row stays as it is.
void OnRowPivot(Calculator& calculator) {
    RunProcedure(calculator, ComplexSupport::Refused, [&calculator](Matrix& m) {
        const int row = calculator.PromptInt("Row:");
        if (!RowInRange(calculator, m, row)) return false;
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

void OnRowScalarMult(Calculator& calculator) {
    RunProcedure(calculator, ComplexSupport::Supported, [&calculator](Matrix& m) {
        const int row = calculator.PromptInt(kRowLabel);
        const double scalar = calculator.PromptReal("Scalar");
        if (!RowInRange(calculator, m, row)) return false;
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
