#include "operations/procedures/extract_procedures.h"

#include "calculator/calculator_dlg.h"
#include "matrixlib/ztmath.h"
#include "operations/procedures/procedure_frame.h"

using NEWMAT::Matrix;

namespace {

const char* const kErrorCaption = "Error";
const char* const kRangeBoundary = "Matrix range boundary";

// Columns of the matrix as the user counts them: complex ones in complex mode.
int UserColumns(const CCalculatorDlg& dlg, const Matrix& m) {
    return dlg.IsComplexMode() ? m.Ncols() / 2 : m.Ncols();
}

bool InRange(int value, int last) {
    return value >= 1 && value <= last;
}

int PromptAndBeep(CCalculatorDlg& dlg, const char* label) {
    const int value = dlg.PromptInt(label);
    dlg.Host().MessageBeep(kBeepDefault);
    return value;
}

// The same cut applied to the real and the imaginary half of a dual matrix.
template <class Cut> Matrix CutDual(const Matrix& m, Cut cut) {
    return MakeDualMatrix(cut(GetDualReal(m)), cut(GetDualImag(m)));
}

Matrix RowSums(const Matrix& m) {
    Matrix sums(m.Nrows(), 1);
    for (int i = 1; i <= m.Nrows(); ++i) {
        double sum = 0.0;
        for (int j = 1; j <= m.Ncols(); ++j)
            sum += m(i, j);
        sums(i, 1) = sum;
    }
    return sums;
}

Matrix OffDiagonalZeroed(const Matrix& m) {
    Matrix d = m;
    for (int i = 1; i <= d.Nrows(); ++i)
        for (int j = 1; j <= d.Ncols(); ++j)
            if (i != j) d(i, j) = 0.0;
    return d;
}

} // namespace

// The row number is asked before the matrix is looked at.
void OnGetRow(CCalculatorDlg& dlg) {
    dlg.RunCommand([&dlg] {
        dlg.Host().MessageBox("Isolate a Row", "Get Row", MB_OK);
        const int row = PromptAndBeep(dlg, "Row No (1..n)");
        RunProcedure(dlg, ComplexSupport::Supported, [&dlg, row](Matrix& m) {
            if (!InRange(row, m.Nrows())) {
                dlg.Refuse(kRangeBoundary, kErrorCaption);
                return false;
            }
            m = m.Row(row);
            return true;
        });
    });
}

void OnGetColumn(CCalculatorDlg& dlg) {
    RunProcedure(dlg, ComplexSupport::Supported, [&dlg](Matrix& m) {
        dlg.Host().MessageBox("Isolate a Column", "Get Column", MB_OK);
        const int column = PromptAndBeep(dlg, "Column No (1..n)");
        if (!InRange(column, UserColumns(dlg, m))) {
            dlg.Refuse(kRangeBoundary, kErrorCaption);
            return false;
        }
        if (dlg.IsComplexMode())
            m = CutDual(m, [column](const Matrix& half) { return Matrix(half.Column(column)); });
        else
            m = m.Column(column);
        return true;
    });
}

void OnGetSubmatrix(CCalculatorDlg& dlg) {
    RunProcedure(dlg, ComplexSupport::Supported, [&dlg](Matrix& m) {
        dlg.Host().MessageBox("Isolate a submatrix indicated by\r\nrow and column numbers",
                              "Get Submatrix", MB_OK);
        const int firstRow = PromptAndBeep(dlg, "First Row No:");
        const int lastRow = PromptAndBeep(dlg, "Last Row No:");
        const int firstColumn = PromptAndBeep(dlg, "First Col No:");
        const int lastColumn = PromptAndBeep(dlg, "Last Col No:");
        if (firstRow > lastRow || firstColumn > lastColumn) {
            dlg.Refuse("Invalid parameter range", kErrorCaption);
            return false;
        }
        const int columns = UserColumns(dlg, m);
        if (!InRange(firstRow, m.Nrows()) || !InRange(lastRow, m.Nrows()) ||
            !InRange(firstColumn, columns) || !InRange(lastColumn, columns)) {
            dlg.Refuse("Matrix boundary range", kErrorCaption);
            return false;
        }
        const auto cut = [&](const Matrix& half) {
            return Matrix(half.SubMatrix(firstRow, lastRow, firstColumn, lastColumn));
        };
        m = dlg.IsComplexMode() ? CutDual(m, cut) : cut(m);
        return true;
    });
}

// Every element off the main diagonal becomes 0; the shape stays.
void OnGetDiagonal(CCalculatorDlg& dlg) {
    RunProcedure(dlg, ComplexSupport::Supported, [&dlg](Matrix& m) {
        m = dlg.IsComplexMode() ? CutDual(m, OffDiagonalZeroed) : OffDiagonalZeroed(m);
        return true;
    });
}

// The column of row sums.
void OnRowSum(CCalculatorDlg& dlg) {
    RunProcedure(dlg, ComplexSupport::Supported, [&dlg](Matrix& m) {
        dlg.Host().MessageBox("Sums each row to a column vector element", "Row Sums", MB_OK);
        m = dlg.IsComplexMode() ? CutDual(m, RowSums) : RowSums(m);
        return true;
    });
}

// A dual matrix needs no branch: its column sums are the dual row of the
// complex column sums.
void OnColumnSum(CCalculatorDlg& dlg) {
    RunProcedure(dlg, ComplexSupport::Supported, [&dlg](Matrix& m) {
        dlg.Host().MessageBox("Sums each column to a row vector element", "Column Sums", MB_OK);
        Matrix sums(1, m.Ncols());
        for (int j = 1; j <= m.Ncols(); ++j) {
            double sum = 0.0;
            for (int i = 1; i <= m.Nrows(); ++i)
                sum += m(i, j);
            sums(1, j) = sum;
        }
        m = sums;
        return true;
    });
}

std::span<const NamedCommand> ExtractProceduresCommands() {
    static constexpr NamedCommand kCommands[] = {
        {"Column:Sum", OnColumnSum},
        {"Get Column", OnGetColumn},
        {"Get Diagonal", OnGetDiagonal},
        {"Get Row", OnGetRow},
        {"Get Submatrix", OnGetSubmatrix},
        {"Row:Sum", OnRowSum},
    };
    return kCommands;
}
