#include "operations/procedures/rearrange_procedures.h"

#include "calculator/calculator.h"
#include "matrixlib/ztmath.h"
#include "operations/procedures/gauss_elimination.h"
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

void OnFlip(Calculator& calculator) {
    RunProcedure(calculator, ComplexSupport::Refused, [](Matrix& m) {
        Flip(m);
        return true;
    });
}

void OnFlop(Calculator& calculator) {
    RunProcedure(calculator, ComplexSupport::Supported, [](Matrix& m) {
        Flop(m);
        return true;
    });
}

void OnRotateLeft(Calculator& calculator) {
    RunProcedure(calculator, ComplexSupport::Refused, [](Matrix& m) {
        Flip(m);
        m = m.t();
        return true;
    });
}

void OnRotateRight(Calculator& calculator) {
    RunProcedure(calculator, ComplexSupport::Refused, [](Matrix& m) {
        m = m.t();
        Flip(m);
        return true;
    });
}

// Asks for the new row count; one that does not divide the element count
// is refused and nothing changes.
void OnReshape(Calculator& calculator) {
    RunProcedure(calculator, ComplexSupport::Refused, [&calculator](Matrix& m) {
        calculator.Host().MessageBox(kReshapeExplanation, kReshapeCaption, MB_OK);
        const int rows = calculator.PromptInt(kReshapeRowsLabel);
        const long count = static_cast<long>(m.Nrows()) * m.Ncols();
        if (rows < 1 || count % rows != 0) {
            calculator.Refuse(kReshapeRefusal, kReshapeCaption);
            return false;
        }
        Shape(m, rows);
        return true;
    });
}

void OnSortAscending(Calculator& calculator) {
    RunProcedure(calculator, ComplexSupport::Supported, [](Matrix& m) {
        QuickSort(m);
        return true;
    });
}

void OnSortDescending(Calculator& calculator) {
    RunProcedure(calculator, ComplexSupport::Supported, [](Matrix& m) {
        QuickSort(m);
        Flop(m);
        Flip(m);
        return true;
    });
}

void OnRowSort(Calculator& calculator) {
    RunProcedure(calculator, ComplexSupport::Supported, [](Matrix& m) {
        SortRow(m);
        return true;
    });
}

// Reduced row echelon form.
void OnGaussElimination(Calculator& calculator) {
    RunProcedure(calculator, ComplexSupport::Refused, [&calculator](Matrix& m) {
        ReduceWithSteps(calculator, m);
        return true;
    });
}

// Balances a square matrix that is not symmetric; leaves others unchanged.
void OnBalance(Calculator& calculator) {
    RunProcedure(calculator, ComplexSupport::Refused, [](Matrix& m) {
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
