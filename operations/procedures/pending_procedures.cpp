#include "operations/procedures/pending_procedures.h"

#include "calculator/calculator.h"
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

void BeginConcatenation(Calculator& calculator, PendingOperation operation) {
    calculator.BeginTwoOperand(operation, kConcatenationCue);
    calculator.FocusDisplay();
}

EqualsOutcome Refuse(Calculator& calculator, const char* text) {
    calculator.Refuse(text, kError);
    return EqualsOutcome::Failed;
}

// Complex blocks are joined half by half: joining the dual matrices
// themselves would mix real parts into the imaginary columns.
EqualsOutcome ConcatDiagonal(Calculator& calculator, const Matrix& a, const Matrix& b,
                             Matrix& result) {
    if (!calculator.IsComplexMode()) {
        result = BlockDiagonal(a, b);
        return EqualsOutcome::Done;
    }
    const Halves x(a), y(b);
    result = MakeDualMatrix(BlockDiagonal(x.re, y.re), BlockDiagonal(x.im, y.im));
    return EqualsOutcome::Done;
}

EqualsOutcome ConcatHorizontal(Calculator& calculator, const Matrix& a, const Matrix& b,
                               Matrix& result) {
    if (a.Nrows() != b.Nrows()) return Refuse(calculator, "Rows do not match");
    if (!calculator.IsComplexMode()) {
        result = a | b;
        return EqualsOutcome::Done;
    }
    const Halves x(a), y(b);
    result = MakeDualMatrix(x.re | y.re, x.im | y.im);
    return EqualsOutcome::Done;
}

EqualsOutcome ConcatVertical(Calculator& calculator, const Matrix& a, const Matrix& b,
                             Matrix& result) {
    // Stacked dual matrices of equal width are already the complex result.
    if (a.Ncols() != b.Ncols()) return Refuse(calculator, "Columns do not match");
    result = a & b;
    return EqualsOutcome::Done;
}

EqualsOutcome CheckVectors(Calculator& calculator, const Matrix& a, const Matrix& b) {
    if (!IsVector(a) || !IsVector(b)) return Refuse(calculator, "Selected object is not a vector");
    if (!DimCmp(a, b)) return Refuse(calculator, "Incompatible vector dimensions");
    return EqualsOutcome::Done;
}

// Complex vectors are the dual rows 1 x 2n and the dual columns n x 2: their
// real halves are vectors. Both products are bilinear, without conjugation,
// so they follow from the real products of the halves.
EqualsOutcome DotProduct(Calculator& calculator, const Matrix& a, const Matrix& b, Matrix& result) {
    if (!calculator.IsComplexMode()) {
        if (CheckVectors(calculator, a, b) == EqualsOutcome::Failed) return EqualsOutcome::Failed;
        result.ReSize(1, 1);
        result(1, 1) = VectorDotProd(a, b);
        return EqualsOutcome::Done;
    }
    const Halves x(a), y(b);
    if (CheckVectors(calculator, x.re, y.re) == EqualsOutcome::Failed) return EqualsOutcome::Failed;
    result.ReSize(1, 2);
    result(1, 1) = VectorDotProd(x.re, y.re) - VectorDotProd(x.im, y.im);
    result(1, 2) = VectorDotProd(x.re, y.im) + VectorDotProd(x.im, y.re);
    return EqualsOutcome::Done;
}

EqualsOutcome CrossProduct(Calculator& calculator, const Matrix& a, const Matrix& b,
                           Matrix& result) {
    if (!calculator.IsComplexMode()) {
        if (CheckVectors(calculator, a, b) == EqualsOutcome::Failed) return EqualsOutcome::Failed;
        result = VectorCrossProd(a, b);
        return EqualsOutcome::Done;
    }
    const Halves x(a), y(b);
    if (CheckVectors(calculator, x.re, y.re) == EqualsOutcome::Failed) return EqualsOutcome::Failed;
    const Matrix re = VectorCrossProd(x.re, y.re) - VectorCrossProd(x.im, y.im);
    const Matrix im = VectorCrossProd(x.re, y.im) + VectorCrossProd(x.im, y.re);
    result = MakeDualMatrix(re, im);
    return EqualsOutcome::Done;
}

struct PendingProcedure {
    PendingOperation operation;
    EqualsOutcome (*finish)(Calculator&, const Matrix&, const Matrix&, Matrix&);
};

constexpr PendingProcedure kPendingProcedures[] = {
    {PendingOperation::ConcatDiagonal, ConcatDiagonal},
    {PendingOperation::ConcatHorizontal, ConcatHorizontal},
    {PendingOperation::ConcatVertical, ConcatVertical},
    {PendingOperation::DotProduct, DotProduct},
    {PendingOperation::CrossProduct, CrossProduct},
};

} // namespace

EqualsOutcome FinishPendingProcedure(Calculator& calculator, PendingOperation operation,
                                     const Matrix& a, const Matrix& b, Matrix& result) {
    for (const PendingProcedure& procedure : kPendingProcedures)
        if (procedure.operation == operation) return procedure.finish(calculator, a, b, result);
    return EqualsOutcome::Skipped;
}

// The rows that begin them. A concatenation writes its cue into the display.
void OnConcatDiagonal(Calculator& calculator) {
    BeginConcatenation(calculator, PendingOperation::ConcatDiagonal);
}
void OnConcatHorizontal(Calculator& calculator) {
    BeginConcatenation(calculator, PendingOperation::ConcatHorizontal);
}
void OnConcatVertical(Calculator& calculator) {
    BeginConcatenation(calculator, PendingOperation::ConcatVertical);
}

// The display keeps its text: no cue is written.
void OnDotProduct(Calculator& calculator) {
    calculator.BeginTwoOperand(PendingOperation::DotProduct, nullptr);
}
void OnCrossProduct(Calculator& calculator) {
    calculator.BeginTwoOperand(PendingOperation::CrossProduct, nullptr);
}

std::span<const NamedCommand> PendingProceduresCommands() {
    static constexpr NamedCommand kCommands[] = {
        {"Concat Diag", OnConcatDiagonal},        {"Concat Horiz", OnConcatHorizontal},
        {"Concat Vert", OnConcatVertical},        {"Vector:Dot Product", OnDotProduct},
        {"Vector:Cross Product", OnCrossProduct},
    };
    return kCommands;
}
