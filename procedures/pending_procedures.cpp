#include "procedures/pending_procedures.h"

#include "calculator/calculator_dlg.h"
#include "matrixlib/ztmath.h"

using NEWMAT::Matrix;

namespace {

constexpr char kError[] = "Error";

EqualsOutcome Refuse(CCalculatorDlg& dlg, const char* text) {
    dlg.Host().MessageBox(text, kError, MB_OK | MB_ICONSTOP);
    return EqualsOutcome::Failed;
}

EqualsOutcome ConcatDiagonal(CCalculatorDlg&, const Matrix& a, const Matrix& b, Matrix& result) {
    result = BlockDiagonal(a, b);
    return EqualsOutcome::Done;
}

EqualsOutcome ConcatHorizontal(CCalculatorDlg& dlg, const Matrix& a, const Matrix& b,
                               Matrix& result) {
    if (a.Nrows() != b.Nrows()) return Refuse(dlg, "Rows do not match");
    result = a | b;
    return EqualsOutcome::Done;
}

EqualsOutcome ConcatVertical(CCalculatorDlg& dlg, const Matrix& a, const Matrix& b,
                             Matrix& result) {
    if (a.Ncols() != b.Ncols()) return Refuse(dlg, "Columns do not match");
    result = a & b;
    return EqualsOutcome::Done;
}

EqualsOutcome CheckVectors(CCalculatorDlg& dlg, const Matrix& a, const Matrix& b) {
    if (!IsVector(a) || !IsVector(b)) return Refuse(dlg, "Selected object is not a vector");
    if (!DimCmp(a, b)) return Refuse(dlg, "Incompatible vector dimensions");
    return EqualsOutcome::Done;
}

EqualsOutcome DotProduct(CCalculatorDlg& dlg, const Matrix& a, const Matrix& b, Matrix& result) {
    if (CheckVectors(dlg, a, b) == EqualsOutcome::Failed) return EqualsOutcome::Failed;
    result.ReSize(1, 1);
    result(1, 1) = VectorDotProd(a, b);
    return EqualsOutcome::Done;
}

EqualsOutcome CrossProduct(CCalculatorDlg& dlg, const Matrix& a, const Matrix& b, Matrix& result) {
    if (CheckVectors(dlg, a, b) == EqualsOutcome::Failed) return EqualsOutcome::Failed;
    result = VectorCrossProd(a, b);
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
