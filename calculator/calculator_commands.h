#pragma once
// What the calculator dialog reaches above itself: the tables that say what a
// button, a command-list row or a menu item runs, and the procedures that
// finish at "=". The dialog is handed one of these when it is built and knows
// nothing else of commands/ or operations/; it passes itself as the
// Calculator interface. commands/ supplies the one the programs use
// (CalculatorCommandTables).

#include <newmat.h>

#include <string>

class Calculator;

// A command-list operation under the name its row shows. Each operation
// file exports its own (a function returning their span), and the group
// tables of commands/ name them by these names.
struct NamedCommand {
    const char* name;
    void (*run)(Calculator& calculator);
};

// The groups of the command list. The values are stored and compared by the
// dialog, so they are fixed.
enum CommandListKind {
    Tests = 1,
    MultiplyMode = 2,
    DisplayOptions = 3,
    Store = 4,
    Recall = 5,
    Procedures = 6,
    Mode = 7,
    Create = 9,
    Factor = 12
};

// Operations that wait for "=", in the order "=" tests them. The first four
// are the operator keys; the others are begun by procedures.
enum class PendingOperation {
    Add,
    Subtract,
    Multiply,
    Divide,
    ConcatDiagonal,
    ConcatHorizontal,
    ConcatVertical,
    DotProduct,
    CrossProduct,
};
inline constexpr int kPendingOperationCount = static_cast<int>(PendingOperation::CrossProduct) + 1;

// What "=" made of one pending operation. Skipped: it has no result in the
// current mode and stays pending. Failed: the reason has been shown.
enum class EqualsOutcome { Done, Failed, Skipped };

class CalculatorCommands {
  public:
    virtual ~CalculatorCommands() = default;

    // Each runs inside the dialog's command frame.
    virtual void PressButton(Calculator& calculator, int controlId) = 0;
    // The row on show in the command list was picked.
    virtual void PickCommandListRow(Calculator& calculator) = 0;
    virtual void RunMenuCommand(Calculator& calculator, int id) = 0;
    // The display's Edit popup at the screen point (x, y).
    virtual void ShowEditMenu(Calculator& calculator, int x, int y) = 0;
    // Fills the command list with the group and writes its title.
    virtual void ShowCommandList(Calculator& calculator, CommandListKind kind) = 0;
    // "=" for an operation a procedure began: a the first operand, b the
    // current matrix.
    virtual EqualsOutcome FinishPending(Calculator& calculator, PendingOperation operation,
                                        const NEWMAT::Matrix& a, const NEWMAT::Matrix& b,
                                        NEWMAT::Matrix& result) = 0;
    // A file dropped on the display, imported as File > Import imports it.
    virtual void ImportFile(Calculator& calculator, const std::string& path) = 0;
};
