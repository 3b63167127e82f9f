#include "operations/procedures/extract_procedures.h"

#include "calculator/calculator.h"
#include "matrixlib/ztmath.h"
#include "operations/procedures/procedure_frame.h"

using NEWMAT::Matrix;

namespace {

const char* const kErrorCaption = "Error";
const char* const kRangeBoundary = "Matrix range boundary";

// Columns of the matrix as the user counts them: complex ones in complex mode.
int UserColumns(const Calculator& calculator, const Matrix& m) {
    return calculator.IsComplexMode() ? m.Ncols() / 2 : m.Ncols();
}

bool InRange(int value, int last) {
    return value >= 1 && value <= last;
}

int PromptAndBeep(Calculator& calculator, const char* label) {
    const int value = calculator.PromptInt(label);
    calculator.Host().MessageBeep(kBeepDefault);
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
void OnGetRow(Calculator& calculator) {
    calculator.RunCommand([&calculator] {
        calculator.Host().MessageBox("Isolate a Row", "Get Row", MB_OK);
        const int row = PromptAndBeep(calculator, "Row No (1..n)");
        RunProcedure(calculator, ComplexSupport::Supported, [&calculator, row](Matrix& m) {
            if (!InRange(row, m.Nrows())) {
                calculator.Refuse(kRangeBoundary, kErrorCaption);
                return false;
            }
            m = m.Row(row);
            return true;
        });
    });
}

void OnGetColumn(Calculator& calculator) {
    RunProcedure(calculator, ComplexSupport::Supported, [&calculator](Matrix& m) {
        calculator.Host().MessageBox("Isolate a Column", "Get Column", MB_OK);
        const int column = PromptAndBeep(calculator, "Column No (1..n)");
        if (!InRange(column, UserColumns(calculator, m))) {
            calculator.Refuse(kRangeBoundary, kErrorCaption);
            return false;
        }
        if (calculator.IsComplexMode())
            m = CutDual(m, [column](const Matrix& half) { return Matrix(half.Column(column)); });
        else
            m = m.Column(column);
        return true;
    });
}

void OnGetSubmatrix(Calculator& calculator) {
    RunProcedure(calculator, ComplexSupport::Supported, [&calculator](Matrix& m) {
        calculator.Host().MessageBox("Isolate a submatrix indicated by\r\nrow and column numbers",
                                     "Get Submatrix", MB_OK);
        const int firstRow = PromptAndBeep(calculator, "First Row No:");
        const int lastRow = PromptAndBeep(calculator, "Last Row No:");
        const int firstColumn = PromptAndBeep(calculator, "First Col No:");
        const int lastColumn = PromptAndBeep(calculator, "Last Col No:");
        if (firstRow > lastRow || firstColumn > lastColumn) {
            calculator.Refuse("Invalid parameter range", kErrorCaption);
            return false;
        }
        const int columns = UserColumns(calculator, m);
        if (!InRange(firstRow, m.Nrows()) || !InRange(lastRow, m.Nrows()) ||
            !InRange(firstColumn, columns) || !InRange(lastColumn, columns)) {
            calculator.Refuse("Matrix boundary range", kErrorCaption);
            return false;
        }
        const auto cut = [&](const Matrix& half) {
            return Matrix(half.SubMatrix(firstRow, lastRow, firstColumn, lastColumn));
        };
        m = calculator.IsComplexMode() ? CutDual(m, cut) : cut(m);
        return true;
    });
}

// Every element off the main diagonal becomes 0; the shape stays.
void OnGetDiagonal(Calculator& calculator) {
    RunProcedure(calculator, ComplexSupport::Supported, [&calculator](Matrix& m) {
        m = calculator.IsComplexMode() ? CutDual(m, OffDiagonalZeroed) : OffDiagonalZeroed(m);
        return true;
    });
}

// The column of row sums.
void OnRowSum(Calculator& calculator) {
    RunProcedure(calculator, ComplexSupport::Supported, [&calculator](Matrix& m) {
        calculator.Host().MessageBox("Sums each row to a column vector element", "Row Sums", MB_OK);
        m = calculator.IsComplexMode() ? CutDual(m, RowSums) : RowSums(m);
        return true;
    });
}

// A dual matrix needs no branch: its column sums are the dual row of the
// complex column sums.
void OnColumnSum(Calculator& calculator) {
    RunProcedure(calculator, ComplexSupport::Supported, [&calculator](Matrix& m) {
        calculator.Host().MessageBox("Sums each column to a row vector element", "Column Sums",
                                     MB_OK);
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
        {"Column:Sum", OnColumnSum},       {"Get Column", OnGetColumn},
        {"Get Diagonal", OnGetDiagonal},   {"Get Row", OnGetRow},
        {"Get Submatrix", OnGetSubmatrix}, {"Row:Sum", OnRowSum},
    };
    return kCommands;
}
