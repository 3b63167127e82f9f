#include "operations/procedures/rearrange_procedures.h"

#include "calculator/calculator_dlg.h"
#include "matrixlib/ztmath.h"
#include "operations/procedures/procedure_frame.h"

using NEWMAT::Matrix;

namespace {

const char* const kReshapeCaption = "Reshape Procedure";
const char* const kReshapeExplanation =
    "Reshape the current matrix\nby entering the new number\nof rows, which uniquely\n"
    "determines the column number.\nThe number of rows must divide evenly\n"
    "into the number of elements, otherwise\nthe procedure fails.";
const char* const kReshapeRowsLabel = "Rows (1..n)";
const char* const kReshapeRefusal = "The number of rows must divide the number of elements";

} // namespace

void OnFlip(CCalculatorDlg& dlg) {
    RunProcedure(dlg, ComplexSupport::Refused, [](Matrix& m) {
        Flip(m);
        return true;
    });
}

void OnFlop(CCalculatorDlg& dlg) {
    RunProcedure(dlg, ComplexSupport::Supported, [](Matrix& m) {
        Flop(m);
        return true;
    });
}

void OnRotateLeft(CCalculatorDlg& dlg) {
    RunProcedure(dlg, ComplexSupport::Refused, [](Matrix& m) {
        Flip(m);
        m = m.t();
        return true;
    });
}

void OnRotateRight(CCalculatorDlg& dlg) {
    RunProcedure(dlg, ComplexSupport::Refused, [](Matrix& m) {
        m = m.t();
        Flip(m);
        return true;
    });
}

// Asks for the new row count; one that does not divide the element count
// is refused and nothing changes.
void OnReshape(CCalculatorDlg& dlg) {
    RunProcedure(dlg, ComplexSupport::Refused, [&dlg](Matrix& m) {
        dlg.Host().MessageBox(kReshapeExplanation, kReshapeCaption, MB_OK);
        const int rows = dlg.PromptInt(kReshapeRowsLabel);
        const long count = static_cast<long>(m.Nrows()) * m.Ncols();
        if (rows < 1 || count % rows != 0) {
            dlg.Refuse(kReshapeRefusal, kReshapeCaption);
            return false;
        }
        Shape(m, rows);
        return true;
    });
}

void OnSortAscending(CCalculatorDlg& dlg) {
    RunProcedure(dlg, ComplexSupport::Supported, [](Matrix& m) {
        QuickSort(m);
        return true;
    });
}

void OnSortDescending(CCalculatorDlg& dlg) {
    RunProcedure(dlg, ComplexSupport::Supported, [](Matrix& m) {
        QuickSort(m);
        Flop(m);
        Flip(m);
        return true;
    });
}

void OnRowSort(CCalculatorDlg& dlg) {
    RunProcedure(dlg, ComplexSupport::Supported, [](Matrix& m) {
        SortRow(m);
        return true;
    });
}

// Reduced row echelon form.
void OnGaussElimination(CCalculatorDlg& dlg) {
    RunProcedure(dlg, ComplexSupport::Refused, [](Matrix& m) {
        DoGauss(m);
        return true;
    });
}

// Balances a square matrix that is not symmetric; leaves others unchanged.
void OnBalance(CCalculatorDlg& dlg) {
    RunProcedure(dlg, ComplexSupport::Refused, [](Matrix& m) {
        if (!Square(m) || Symmetric(m)) return false;
        balanc(m);
        return true;
    });
}

std::span<const NamedCommand> RearrangeProceduresCommands() {
    static constexpr NamedCommand kCommands[] = {
        {"Balance", OnBalance},
        {"Flip", OnFlip},
        {"Flop", OnFlop},
        {"Gauss Elimination", OnGaussElimination},
        {"Sort Ascending", OnSortAscending},
        {"Sort Descending", OnSortDescending},
        {"Reshape", OnReshape},
        {"Rotate Left", OnRotateLeft},
        {"Rotate Right", OnRotateRight},
        {"Row:Sort", OnRowSort},
    };
    return kCommands;
}
