#include "operations/procedures/pending_procedures.h"

#include "calculator/calculator_dlg.h"
#include "matrixlib/ztmath.h"

using NEWMAT::Matrix;

namespace {

constexpr char kError[] = "Error";
constexpr char kConcatenationCue[] = "\n\tSelect matrix to concatenate.\r\n\tUse Recall to get a "
                                     "new matrix\r\n\tor '=' to use original.";

// A dual (complex) matrix as its real and imaginary halves.
struct Halves {
    explicit Halves(const Matrix& dual) : re(GetDualReal(dual)), im(GetDualImag(dual)) {}
    Matrix re;
    Matrix im;
};

void BeginConcatenation(CCalculatorDlg& dlg, PendingOperation operation) {
    dlg.BeginTwoOperand(operation, kConcatenationCue);
    dlg.Display().SetFocus();
}

EqualsOutcome Refuse(CCalculatorDlg& dlg, const char* text) {
    dlg.Refuse(text, kError);
    return EqualsOutcome::Failed;
}

// Complex blocks are joined half by half: joining the dual matrices
// themselves would mix real parts into the imaginary columns.
EqualsOutcome ConcatDiagonal(CCalculatorDlg& dlg, const Matrix& a, const Matrix& b,
                             Matrix& result) {
    if (!dlg.IsComplexMode()) {
        result = BlockDiagonal(a, b);
        return EqualsOutcome::Done;
    }
    const Halves x(a), y(b);
    result = MakeDualMatrix(BlockDiagonal(x.re, y.re), BlockDiagonal(x.im, y.im));
    return EqualsOutcome::Done;
}

EqualsOutcome ConcatHorizontal(CCalculatorDlg& dlg, const Matrix& a, const Matrix& b,
                               Matrix& result) {
    if (a.Nrows() != b.Nrows()) return Refuse(dlg, "Rows do not match");
    if (!dlg.IsComplexMode()) {
        result = a | b;
        return EqualsOutcome::Done;
    }
    const Halves x(a), y(b);
    result = MakeDualMatrix(x.re | y.re, x.im | y.im);
    return EqualsOutcome::Done;
}

EqualsOutcome ConcatVertical(CCalculatorDlg& dlg, const Matrix& a, const Matrix& b,
                             Matrix& result) {
    // Stacked dual matrices of equal width are already the complex result.
    if (a.Ncols() != b.Ncols()) return Refuse(dlg, "Columns do not match");
    result = a & b;
    return EqualsOutcome::Done;
}

EqualsOutcome CheckVectors(CCalculatorDlg& dlg, const Matrix& a, const Matrix& b) {
    if (!IsVector(a) || !IsVector(b)) return Refuse(dlg, "Selected object is not a vector");
    if (!DimCmp(a, b)) return Refuse(dlg, "Incompatible vector dimensions");
    return EqualsOutcome::Done;
}

// Complex vectors are the dual rows 1 x 2n and the dual columns n x 2: their
// real halves are vectors. Both products are bilinear, without conjugation,
// so they follow from the real products of the halves.
EqualsOutcome DotProduct(CCalculatorDlg& dlg, const Matrix& a, const Matrix& b, Matrix& result) {
    if (!dlg.IsComplexMode()) {
        if (CheckVectors(dlg, a, b) == EqualsOutcome::Failed) return EqualsOutcome::Failed;
        result.ReSize(1, 1);
        result(1, 1) = VectorDotProd(a, b);
        return EqualsOutcome::Done;
    }
    const Halves x(a), y(b);
    if (CheckVectors(dlg, x.re, y.re) == EqualsOutcome::Failed) return EqualsOutcome::Failed;
    result.ReSize(1, 2);
    result(1, 1) = VectorDotProd(x.re, y.re) - VectorDotProd(x.im, y.im);
    result(1, 2) = VectorDotProd(x.re, y.im) + VectorDotProd(x.im, y.re);
    return EqualsOutcome::Done;
}

EqualsOutcome CrossProduct(CCalculatorDlg& dlg, const Matrix& a, const Matrix& b, Matrix& result) {
    if (!dlg.IsComplexMode()) {
        if (CheckVectors(dlg, a, b) == EqualsOutcome::Failed) return EqualsOutcome::Failed;
        result = VectorCrossProd(a, b);
        return EqualsOutcome::Done;
    }
    const Halves x(a), y(b);
    if (CheckVectors(dlg, x.re, y.re) == EqualsOutcome::Failed) return EqualsOutcome::Failed;
    const Matrix re = VectorCrossProd(x.re, y.re) - VectorCrossProd(x.im, y.im);
    const Matrix im = VectorCrossProd(x.re, y.im) + VectorCrossProd(x.im, y.re);
    result = MakeDualMatrix(re, im);
    return EqualsOutcome::Done;
}

struct PendingProcedure {
    PendingOperation operation;
    EqualsOutcome (*finish)(CCalculatorDlg&, const Matrix&, const Matrix&, Matrix&);
};

constexpr PendingProcedure kPendingProcedures[] = {
    {PendingOperation::ConcatDiagonal, ConcatDiagonal},
    {PendingOperation::ConcatHorizontal, ConcatHorizontal},
    {PendingOperation::ConcatVertical, ConcatVertical},
    {PendingOperation::DotProduct, DotProduct},
    {PendingOperation::CrossProduct, CrossProduct},
};

} // namespace

EqualsOutcome FinishPendingProcedure(CCalculatorDlg& dlg, PendingOperation operation,
                                     const Matrix& a, const Matrix& b, Matrix& result) {
    for (const PendingProcedure& procedure : kPendingProcedures)
        if (procedure.operation == operation) return procedure.finish(dlg, a, b, result);
    return EqualsOutcome::Skipped;
}

// The rows that begin them. A concatenation writes its cue into the display.
void OnConcatDiagonal(CCalculatorDlg& dlg) {
    BeginConcatenation(dlg, PendingOperation::ConcatDiagonal);
}
void OnConcatHorizontal(CCalculatorDlg& dlg) {
    BeginConcatenation(dlg, PendingOperation::ConcatHorizontal);
}
void OnConcatVertical(CCalculatorDlg& dlg) {
    BeginConcatenation(dlg, PendingOperation::ConcatVertical);
}

// The display keeps its text: no cue is written.
void OnDotProduct(CCalculatorDlg& dlg) {
    dlg.BeginTwoOperand(PendingOperation::DotProduct, nullptr);
}
void OnCrossProduct(CCalculatorDlg& dlg) {
    dlg.BeginTwoOperand(PendingOperation::CrossProduct, nullptr);
}

std::span<const NamedCommand> PendingProceduresCommands() {
    static constexpr NamedCommand kCommands[] = {
        {"Concat Diag", OnConcatDiagonal},
        {"Concat Horiz", OnConcatHorizontal},
        {"Concat Vert", OnConcatVertical},
        {"Vector:Dot Product", OnDotProduct},
        {"Vector:Cross Product", OnCrossProduct},
    };
    return kCommands;
}
