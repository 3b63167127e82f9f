#include "commands/command_groups.h"

#include "calculator/calculator.h"
#include "commands/calculator_members.h"
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

constexpr const char* kTestRows[] = {
    "Characteristic",
    "Compare",
    "Condition Number",
    "Double Stochastic",
    "Determinant",
    "Eigenvalues",
    "Hermitian",
    "Matrix Norm",
    "Orthogonal",
    "Positive Definite",
    "Rank",
    "Singular",
    "Size",
    "Skew-Symmetric",
    "Square",
    "Stochastic",
    "Symmetric",
    "Trace",
    "Unitary",
};

constexpr const char* kMultiplyModeRows[] = {
    "Kronecker",
    "Matrix",
    "Scalar",
    "Schurr",
};

constexpr const char* kDisplayRows[] = {
    "Decimal",
    "Engineering",
    "Hexidecimal",
    "Octal",
    "Set Radix",
    "Enable Tool Tips",
    "Disable Tool Tips",
    "Enable Drag Drop",
    "Disable Drag Drop",
    "Enable Keyboard",
    "Disable Keyboard",
};

// Store and Recall hand the picked text itself to the register operation
// (the group's runWithRowText).
constexpr const char* kRegisterRows[] = {
    "           A",
    "           B",
    "           C",
    "           D",
    "           E",
    "           F",
    "           G",
    "           H",
    "           I",
    "           J",
    "           K",
    "           L",
    "           M",
    "           N",
    "           O",
    "           P",
    "           Q",
    "           R",
    "           S",
    "           T",
    "           U",
    "           V",
    "           W",
    "           X",
    "           Y",
    "           Z",
    "           t",
};

constexpr const char* kProcedureRows[] = {
    "Adjugate",
    "Balance",
    "Characteristic",
    "Column:Sum",
    "Compare",
    "Complex Conjugate",
    "Complex to Composite",
    "Composite to Complex",
    "Concat Diag",
    "Concat Horiz",
    "Concat Vert",
    "Determinant",
    "Diagonalize",
    "Eigenvalues",
    "Eigenvectors1",
    "Eigenvectors2",
    "Element:Arccos",
    "Element:Arcsin",
    "Element:Arctan",
    "Element:Cos",
    "Element:Reciprocal",
    "Element:Sin",
    "Element:Tan",
    "Element:Square Root",
    "Element:Negative",
    "Element:Absolute",
    "Element:Integer",
    "Element:To Degrees",
    "Element:To Radians",
    "Element:Log",
    "Element:Log10",
    "Element:Exp",
    "Element:Exp10",
    "Flip",
    "Flop",
    "Gauss Elimination",
    "Get Column",
    "Get Diagonal",
    "Get Row",
    "Get Submatrix",
    "Hessenberg Form",
    "Integer",
    "Matrix: cos(M)",
    "Matrix: Diag Product",
    "Matrix: exp(M)",
    "Matrix: Norm",
    "Matrix: sin(M)",
    "Set Multiply:Matrix",
    "Set Multiply:Kronecker",
    "Set Multiply:Scalar",
    "Set Multiply:Schurr",
    "Sort Ascending",
    "Sort Descending",
    "Vector:Dot Product",
    "Vector:Cross Product",
    "Vector:Norm",
    "Reshape",
    "Rotate Left",
    "Rotate Right",
    "Row:Add",
    "Row:Pivot",
    "Row:Scalar Mult",
    "Row:Sort",
    "Row:Sum",
    "Row:Swap",
    "Save to Text File",
    "Set Radix",
    "Simplex",
    "Solve Ax = b",
    "Trace",
    "TriDiagonal Form",
    "Machine Floating Point",
};

constexpr const char* kModeRows[] = {
    "Real",
    "Complex",
};

constexpr const char* kCreateRows[] = {
    "Create Companion",
    "Create Hermitian",
    "Create Hilbert",
    "Create Identity",
    "Create Null",
    "Create Orthogonal",
    "Create Prime",
    "Create Random",
    "Create Reflection",
    "Create Rotation",
    "Create Toeplitz",
    "Create Unit",
    "Create Unitary",
    "Create Vandermonde",
};

constexpr const char* kFactorRows[] = {
    "Factor:LU->Lower",
    "Factor:LU->Upper",
    "Factor:Cholesky",
    "Factor:QR->Q",
    "Factor:QR->R",
    "Factor:SVD->D",
    "Factor:SVD->U",
    "Factor:SVD->V",
    "Factor:Jacobi",
};

void StoreRegister(Calculator& calculator, const std::string& row) {
    calculator.StoreRegister(row);
}

// A recalled matrix is no longer the document the caption named.
void RecallRegister(Calculator& calculator, const std::string& row) {
    calculator.RecallRegister(row);
    calculator.ResetCaption();
}

// The rows that run a member of the dialog itself.
constexpr NamedCommand kDialogCommands[] = {
    {"Kronecker", Press<Key::MultiplyKronecker>},
    {"Matrix", Press<Key::MultiplyMatrix>},
    {"Scalar", Press<Key::MultiplyScalar>},
    {"Schurr", Press<Key::MultiplySchur>},
    {"Decimal", Press<Key::DisplayDecimal>},
    {"Engineering", Press<Key::DisplayEngineering>},
    {"Hexidecimal", Press<Key::DisplayHexadecimal>},
    {"Octal", Press<Key::DisplayOctal>},
    {"Enable Tool Tips", Press<Key::ToolTipsOn>},
    {"Disable Tool Tips", Press<Key::ToolTipsOff>},
    {"Enable Drag Drop", Press<Key::DragDropOn>},
    {"Disable Drag Drop", Press<Key::DragDropOff>},
    {"Enable Keyboard", Press<Key::KeyboardEntryOn>},
    {"Disable Keyboard", Press<Key::KeyboardEntryOff>},
    {"Set Multiply:Matrix", Press<Key::MultiplyMatrix>},
    {"Set Multiply:Kronecker", Press<Key::MultiplyKronecker>},
    {"Set Multiply:Scalar", Press<Key::MultiplyScalar>},
    {"Set Multiply:Schurr", Press<Key::MultiplySchur>},
    {"Real", Press<Key::RealMode>},
    {"Complex", Press<Key::ComplexMode>},
};

// Every operation file's rows.
constexpr std::span<const NamedCommand> (*kOperationCommands[])() = {
    CompareRegistersCommands,
    ComplexProceduresCommands,
    CreateComplexCommands,
    CreateFromVectorCommands,
    CreateGeometricCommands,
    CreateSizedCommands,
    DeterminantProceduresCommands,
    DocumentCommands,
    ElementWiseCommands,
    ExtractProceduresCommands,
    FactorisationsCommands,
    MachineFloatCommands,
    MatrixTestsCommands,
    NormsProductsCommands,
    PendingProceduresCommands,
    RearrangeProceduresCommands,
    RowOperationsCommands,
    SetRadixCommands,
    SimplexCommands,
    SolveCommands,
    SpectralCommands,
};

// clang-format off
constexpr CommandGroup kGroups[] = {
    //  kind           title             title    rows               row text        typed  set    kept   failure
    //                                   selected                                    first  matrix row    caption
    {Tests,          "MATRIX TESTS",    true,  kTestRows,         nullptr,        true,  false, false},
    {MultiplyMode,   nullptr,           false, kMultiplyModeRows, nullptr,        false, false, false},
    {DisplayOptions, "SET DISPLAY",     true,  kDisplayRows,      nullptr,        false, false, false},
    {Store,          "    STORE",       true,  kRegisterRows,     StoreRegister,  true,  false, false, "Store"},
    {Recall,         "    RECALL",      true,  kRegisterRows,     RecallRegister, false, true,  false, "Recall"},
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

CommandOperation FindCommandOperation(std::string_view name) {
    for (const NamedCommand& command : kDialogCommands)
        if (name == command.name) return command.run;
    for (const auto commands : kOperationCommands)
        for (const NamedCommand& command : commands())
            if (name == command.name) return command.run;
    return nullptr;
}

std::string CommandGroupTitle(const CommandGroup& group, const Calculator& calculator) {
    if (group.title) return group.title;
    return MultiplyModeTitle(calculator.GetMultiplyMode());
}
