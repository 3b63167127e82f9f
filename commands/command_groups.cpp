#include "commands/command_groups.h"

#include "calculator/calculator_dlg.h"
#include "commands/dialog_members.h"
#include "operations/conversions/machine_float_command.h"
#include "operations/documents/document_commands.h"
#include "operations/procedures/complex_procedures.h"
#include "operations/procedures/determinant_procedures.h"
#include "operations/procedures/element_wise.h"
#include "operations/procedures/extract_procedures.h"
#include "operations/procedures/factorisations.h"
#include "operations/procedures/norms_products.h"
#include "operations/procedures/pending_procedures.h"
#include "operations/procedures/rearrange_procedures.h"
#include "operations/procedures/row_operations.h"
#include "operations/procedures/set_radix.h"
#include "operations/procedures/spectral.h"
#include "operations/solvers/simplex_command.h"
#include "operations/solvers/solve_command.h"
#include "operations/properties_creation/compare_registers.h"
#include "operations/properties_creation/matrix_creation.h"
#include "operations/properties_creation/matrix_tests.h"

namespace {

using D = CCalculatorDlg;

constexpr CommandRow kTestRows[] = {
    {"Characteristic", OnCharacteristic},
    {"Compare", OnCompare},
    {"Condition Number", OnTestConditionNumber},
    {"Double Stochastic", OnTestDoubleStochastic},
    {"Determinant", OnDeterminant},
    {"Eigenvalues", OnEigenvalues},
    {"Hermitian", OnTestHermitian},
    {"Matrix Norm", OnMatrixNorm},
    {"Orthogonal", OnTestOrthogonal},
    {"Positive Definite", OnTestPositiveDefinite},
    {"Rank", OnTestRank},
    {"Singular", OnTestSingular},
    {"Size", OnTestSize},
    {"Skew-Symmetric", OnTestSkewSymmetric},
    {"Square", OnTestSquare},
    {"Stochastic", OnTestStochastic},
    {"Symmetric", OnTestSymmetric},
    {"Trace", OnTrace},
    {"Unitary", OnTestUnitary},
};

constexpr CommandRow kMultiplyModeRows[] = {
    {"Kronecker", Run<&D::SetMultiplyKronecker>},
    {"Matrix", Run<&D::SetMultiplyMatrix>},
    {"Scalar", Run<&D::SetMultiplyScalar>},
    {"Schurr", Run<&D::SetMultiplySchur>},
};

constexpr CommandRow kDisplayRows[] = {
    {"Decimal", Run<&D::DisplayDecimal>},
    {"Engineering", Run<&D::DisplayEngineering>},
    {"Hexidecimal", Run<&D::DisplayHexadecimal>},
    {"Octal", Run<&D::DisplayOctal>},
    {"Set Radix", OnSetRadix},
    {"Enable Tool Tips", Run<&D::EnableToolTips, true>},
    {"Disable Tool Tips", Run<&D::EnableToolTips, false>},
    {"Enable Drag Drop", Run<&D::SetDragDrop, true>},
    {"Disable Drag Drop", Run<&D::SetDragDrop, false>},
    {"Enable Keyboard", Run<&D::SetKeyboardEntry, true>},
    {"Disable Keyboard", Run<&D::SetKeyboardEntry, false>},
};

// Store and Recall hand the picked text itself to the register operation
// (the group's runWithRowText).
constexpr CommandRow kRegisterRows[] = {
    {"           A", nullptr}, {"           B", nullptr}, {"           C", nullptr},
    {"           D", nullptr}, {"           E", nullptr}, {"           F", nullptr},
    {"           G", nullptr}, {"           H", nullptr}, {"           I", nullptr},
    {"           J", nullptr}, {"           K", nullptr}, {"           L", nullptr},
    {"           M", nullptr}, {"           N", nullptr}, {"           O", nullptr},
    {"           P", nullptr}, {"           Q", nullptr}, {"           R", nullptr},
    {"           S", nullptr}, {"           T", nullptr}, {"           U", nullptr},
    {"           V", nullptr}, {"           W", nullptr}, {"           X", nullptr},
    {"           Y", nullptr}, {"           Z", nullptr}, {"           t", nullptr},
};

constexpr CommandRow kProcedureRows[] = {
    {"Adjugate", OnAdjugate},
    {"Balance", OnBalance},
    {"Characteristic", OnCharacteristic},
    {"Column:Sum", OnColumnSum},
    {"Compare", OnCompare},
    {"Complex Conjugate", OnComplexConjugate},
    {"Complex to Composite", OnComplexToComposite},
    {"Composite to Complex", OnCompositeToComplex},
    {"Concat Diag", OnConcatDiagonal},
    {"Concat Horiz", OnConcatHorizontal},
    {"Concat Vert", OnConcatVertical},
    {"Determinant", OnDeterminant},
    {"Diagonalize", OnDiagonalize},
    {"Eigenvalues", OnEigenvalues},
    {"Eigenvectors1", OnEigenvectors1},
    {"Eigenvectors2", OnEigenvectors2},
    {"Element:Arccos", OnElementArccos},
    {"Element:Arcsin", OnElementArcsin},
    {"Element:Arctan", OnElementArctan},
    {"Element:Cos", OnElementCos},
    {"Element:Reciprocal", OnElementReciprocal},
    {"Element:Sin", OnElementSin},
    {"Element:Tan", OnElementTan},
    {"Element:Square Root", OnElementSquareRoot},
    {"Element:Negative", OnElementNegative},
    {"Element:Absolute", OnElementAbsolute},
    {"Element:Integer", OnElementInteger},
    {"Element:To Degrees", OnElementToDegrees},
    {"Element:To Radians", OnElementToRadians},
    {"Element:Log", OnElementLog},
    {"Element:Log10", OnElementLog10},
    {"Element:Exp", OnElementExp},
    {"Element:Exp10", OnElementExp10},
    {"Flip", OnFlip},
    {"Flop", OnFlop},
    {"Gauss Elimination", OnGaussElimination},
    {"Get Column", OnGetColumn},
    {"Get Diagonal", OnGetDiagonal},
    {"Get Row", OnGetRow},
    {"Get Submatrix", OnGetSubmatrix},
    {"Hessenberg Form", OnHessenbergForm},
    {"Integer", OnElementInteger},
    {"Matrix: cos(M)", OnMatrixCos},
    {"Matrix: Diag Product", OnDiagProduct},
    {"Matrix: exp(M)", OnMatrixExp},
    {"Matrix: Norm", OnMatrixNorm},
    {"Matrix: sin(M)", OnMatrixSin},
    {"Set Multiply:Matrix", Run<&D::SetMultiplyMatrix>},
    {"Set Multiply:Kronecker", Run<&D::SetMultiplyKronecker>},
    {"Set Multiply:Scalar", Run<&D::SetMultiplyScalar>},
    {"Set Multiply:Schurr", Run<&D::SetMultiplySchur>},
    {"Sort Ascending", OnSortAscending},
    {"Sort Descending", OnSortDescending},
    {"Vector:Dot Product", OnDotProduct},
    {"Vector:Cross Product", OnCrossProduct},
    {"Vector:Norm", OnVectorNorm},
    {"Reshape", OnReshape},
    {"Rotate Left", OnRotateLeft},
    {"Rotate Right", OnRotateRight},
    {"Row:Add", OnRowAdd},
    {"Row:Pivot", OnRowPivot},
    {"Row:Scalar Mult", OnRowScalarMult},
    {"Row:Sort", OnRowSort},
    {"Row:Sum", OnRowSum},
    {"Row:Swap", OnRowSwap},
    {"Save to Text File", SaveToTextFile},
    {"Set Radix", OnSetRadix},
    {"Simplex", OnSimplex},
    {"Solve Ax = b", OnSolveLinearSystem},
    {"Trace", OnTrace},
    {"TriDiagonal Form", OnTriDiagonalForm},
    {"Machine Floating Point", OnMachineFloatingPoint},
};

constexpr CommandRow kModeRows[] = {
    {"Real", Run<&D::SetRealMode>},
    {"Complex", Run<&D::SetComplexMode>},
};

constexpr CommandRow kCreateRows[] = {
    {"Create Companion", OnCreateCompanion},
    {"Create Hermitian", OnCreateHermitian},
    {"Create Hilbert", OnCreateHilbert},
    {"Create Identity", OnCreateIdentity},
    {"Create Null", OnCreateNull},
    {"Create Orthogonal", OnCreateOrthogonal},
    {"Create Prime", OnCreatePrime},
    {"Create Random", OnCreateRandom},
    {"Create Reflection", OnCreateReflection},
    {"Create Rotation", OnCreateRotation},
    {"Create Toeplitz", OnCreateToeplitz},
    {"Create Unit", OnCreateUnit},
    {"Create Unitary", OnCreateUnitary},
    {"Create Vandermonde", OnCreateVandermonde},
};

constexpr CommandRow kFactorRows[] = {
    {"Factor:LU->Lower", OnFactorLuLower}, {"Factor:LU->Upper", OnFactorLuUpper}, {"Factor:Cholesky", OnFactorCholesky},
    {"Factor:QR->Q", OnFactorQrQ},     {"Factor:QR->R", OnFactorQrR},     {"Factor:SVD->D", OnFactorSvdD},
    {"Factor:SVD->U", OnFactorSvdU},    {"Factor:SVD->V", OnFactorSvdV},    {"Factor:Jacobi", OnFactorJacobi},
};

void StoreRegister(CCalculatorDlg& dlg, const std::string& row) {
    dlg.StoreRegister(row);
}

// A recalled matrix is no longer the document the caption named.
void RecallRegister(CCalculatorDlg& dlg, const std::string& row) {
    dlg.RecallRegister(row);
    dlg.ResetCaption();
}

// clang-format off
constexpr CommandGroup kGroups[] = {
    //  kind           title             title    rows               row text        typed  set    kept
    //                                   selected                                    first  matrix row
    {Tests,          "MATRIX TESTS",    true,  kTestRows,         nullptr,        true,  false, false},
    {MultiplyMode,   nullptr,           false, kMultiplyModeRows, nullptr,        false, false, false},
    {DisplayOptions, "SET DISPLAY",     true,  kDisplayRows,      nullptr,        false, false, false},
    {Store,          "    STORE",       true,  kRegisterRows,     StoreRegister,  true,  false, false},
    {Recall,         "    RECALL",      true,  kRegisterRows,     RecallRegister, false, true,  false},
    {Procedures,     "   PROCEDURES",   true,  kProcedureRows,    nullptr,        true,  false, false},
    {Mode,           "   SET MODE",     false, kModeRows,         nullptr,        false, false, false},
    {Create,         "CREATE MATRIX",   true,  kCreateRows,       nullptr,        false, true,  false},
    {Factor,         "FACTOR MATRIX",   true,  kFactorRows,       nullptr,        true,  false, true},
};
// clang-format on

const char* MultiplyModeTitle(MultiplyKind mode) {
    switch (mode) {
    case MultiplyKind::Kronecker:
        return "Kronecker Multiply";
    case MultiplyKind::Matrix:
        return "Matrix Multiply";
    case MultiplyKind::Scalar:
        return "Scalar Multiply";
    case MultiplyKind::Schur:
        return "Schurr Multiply";
    }
    return "";
}

} // namespace

const CommandGroup* FindCommandGroup(int kind) {
    for (const CommandGroup& group : kGroups)
        if (group.kind == kind) return &group;
    return nullptr;
}

std::string CommandGroupTitle(const CommandGroup& group, const CCalculatorDlg& dlg) {
    if (group.title) return group.title;
    return MultiplyModeTitle(dlg.GetMultiplyMode());
}
