#pragma once
// Calculator: all the command layer (commands/ and operations/) sees of the
// calculator. A command reads the current matrix and the settings, asks
// through the prompts, refuses or reports through the message boxes, stores
// its result and shows it, and presses the calculator's own keys by name.
// CCalculatorDlg (calculator_dlg.h) is the one implementation; the window
// and the scripts talk to the dialog's entry points instead.

#include <newmat.h>

#include <any>
#include <functional>
#include <string>
#include <typeindex>
#include <typeinfo>

#include "calculator/calculator_commands.h"
#include "platform/host.h"

// The caption of boxes that speak for the calculator as a whole.
constexpr char kApplicationTitle[] = "Zentabl";

// Values as the status line numbers them (segment 3).
enum class MultiplyKind { Scalar = 1, Kronecker = 2, Matrix = 3, Schur = 4 };

// Which Format choice is in force; the Format popup checks the matching item.
enum class NumberFormat { Default, Fixed, Exponential, Fraction };

// Thrown by the prompts when the user cancels; the command frame ends the
// command quietly.
struct PromptCancelled {};

// The segments of the status line and the values UpdateStatusLine takes for
// them; the multiply segment takes a MultiplyKind, the radix segment reads
// the radix itself.
namespace status {
enum Segment : int { Mode = 1, Register = 2, Multiply = 3, Radix = 5 };
enum Value : int { Cleared = 0, RegisterLetter = 1, RealMode = 1, ComplexMode = 2, Unused = 0 };
} // namespace status

// The calculator's own keys and switches: the operators, the entry keys,
// the Format, Edit and View items and the settings the groups switch. The
// keys marked "number" take the number Press is given.
// clang-format off
enum class CalculatorKey {
    // Operators ("=" finishes the two-operand ones).
    Add, Subtract, Multiply, Divide, Power, Equals,
    Sign, Absolute, Integer, Inverse, Transpose,
    // Entry: Character types the character `number` at the caret.
    Character, NextRow, Backspace, SetEntry, Clear, Parse,
    // Number formats: FormatFixed and FormatExponential take the decimals
    // (1 ... 16), FormatTruncate the digits (0 ... 12).
    FormatDefault, FormatFixed, FormatExponential, FormatTruncate, AlignColumns,
    // Fractions, with exact arithmetic where the operands allow it.
    FormatFraction,
    DisplayDecimal, DisplayEngineering, DisplayHexadecimal, DisplayOctal,
    // Modes and settings.
    RealMode, ComplexMode,
    MultiplyScalar, MultiplyKronecker, MultiplyMatrix, MultiplySchur,
    KeyboardEntryOn, KeyboardEntryOff, DragDropOn, DragDropOff, ToolTipsOn, ToolTipsOff,
    // The display's Edit popup.
    EditUndo, EditCut, EditCopy, EditPaste, EditDelete, EditSelectAll,
};
// clang-format on

class Calculator {
  public:
    // ---- The command frame. Runs a command: newmat's exceptions and the
    // matrix library's numerical error are shown in an "Error" box (stop
    // icon). A command stores its result last, so a failed one has stored
    // nothing. Memory running out (std::bad_alloc, newmat's Bad_alloc), even
    // while the result is shown, is "Not enough memory" under `caption` (the
    // command's name; "Error" when empty), and the current matrix is put
    // back as it was before the outermost frame began.
    virtual void RunCommand(const std::function<void()>& command,
                            const std::string& caption = {}) = 0;

    // ---- The current matrix
    virtual NEWMAT::Matrix GetCurrentMatrix() const = 0;
    // Stores without redrawing; the command frame redraws a matrix that a
    // command stored and did not show.
    virtual void SetCurrentMatrix(const NEWMAT::Matrix& matrix) = 0;
    virtual bool HasCurrentMatrix() const = 0;
    // How many times the current matrix has been stored, so a caller can
    // tell whether a command changed it.
    virtual unsigned long CurrentMatrixChanges() const = 0;
    // Redraws the display from the current matrix. A matrix emptied since it
    // was last shown empties the display (editing state); otherwise an empty
    // or, in complex mode, odd-columned matrix leaves the display as it was.
    virtual void ShowCurrentMatrix() = 0;

    // ---- Registers, by their command-list rows ("           C", "           t")
    virtual void StoreRegister(const std::string& item) = 0;
    // Returns whether the register file was read.
    virtual bool RecallRegister(const std::string& item) = 0;
    // Writes the value (1 x 1, 1 x 2 dual, or a column) to the register t;
    // the current matrix, the display and the register name stay.
    virtual void SaveToTemporaryRegister(const NEWMAT::Matrix& value) = 0;

    // ---- The entry and the display
    // Presses one of the calculator's own keys, as its button or menu item does.
    virtual void Press(CalculatorKey key, int number = 0) = 0;
    // Before an operator, a procedure, a test or Store: text the user typed
    // (the editing state, not a cue, not merely the shown matrix clicked
    // into) is the matrix meant, and is set first as SE sets it. False when
    // it does not read; the syntax error has been shown then.
    virtual bool SetTypedEntry() = 0;
    // Appends text to the end of the entry text (not at the caret) and shows
    // it in the editing state with the keyboard focus on the display. After a
    // two-operand key the text starts the second operand instead of following
    // the operator's cue.
    virtual void AppendToEntryText(const std::string& text) = 0;
    virtual bool IsSetState() const = 0;  // the display is yellow
    virtual void EnterSetState() = 0;     // yellow: a set matrix is shown
    virtual void EnterEditingState() = 0; // grey: text is being typed
    virtual void FocusDisplay() = 0;
    // Focus to the "Options" caption in the set state, to the display
    // otherwise and while an operator's cue is shown.
    virtual void MoveFocusByEntryState() = 0;
    // What the Edit popup greys: Undo, the items needing a selection, Paste,
    // Select All.
    virtual bool CanUndo() const = 0;
    virtual bool DisplayHasSelection() const = 0;
    virtual bool DisplayCanPaste() const = 0;
    virtual bool DisplaySelectsAll() const = 0;

    // ---- Operations waiting for "="
    // Sets the pending flag; if there is a current matrix it becomes the first
    // operand and a non-null cue is written into the display.
    virtual void BeginTwoOperand(PendingOperation operation, const char* cue) = 0;
    // Clears every pending flag, then the calculator.
    virtual void ClearPending() = 0;

    // ---- Settings, read-only but for what procedures set
    virtual bool IsComplexMode() const = 0;
    virtual MultiplyKind GetMultiplyMode() const = 0;
    virtual NumberFormat FormatInForce() const = 0;
    virtual int Width() const = 0;
    virtual int Decimals() const = 0;
    virtual int Radix() const = 0;
    virtual bool ExponentFlag() const = 0;
    // Whether the display pads elements so that columns line up.
    virtual bool AlignColumns() const = 0;
    virtual double SeriesTolerance() const = 0; // 1e-7, set when the dialog opens
    // These neither redraw nor touch other controls: SetDecimals writes the
    // Decimal box and spin, SetRadix status segment 5.
    virtual void SetDecimals(int decimals) = 0;
    virtual void SetRadix(int radix) = 0;
    virtual void SetExponentFlag(bool on) = 0;

    // ---- The command list (the CommandListKind on show, as an int)
    virtual int CurrentCommandList() const = 0;
    virtual void SetCurrentCommandList(int kind) = 0;
    virtual CMdcCombo& CommandList() = 0;

    // ---- The status line and the caption
    // segment 1: 1 real, 2 complex; 2: 0 cleared, 1 register letter;
    // 3: the MultiplyKind value; 5: the radix (value ignored).
    virtual void UpdateStatusLine(int segment, int value) = 0;
    // Sets the window caption to " Zentabl - " followed by the name.
    virtual void ShowDocumentCaption(const std::string& documentName) = 0;
    // Sets the window caption back to " Zentabl".
    virtual void ResetCaption() = 0;
    // Whether the window caption names a document (CE and Recall drop the name).
    virtual bool CaptionNamesDocument() const = 0;

    // ---- Messages, refusals and prompts
    // Every command that refuses shows its text in a box with its caption
    // and the stop icon, changing nothing. Returns false, so a compute step
    // can end with `return calculator.Refuse(...)`.
    virtual bool Refuse(const std::string& text, const std::string& caption) = 0;
    // "Unable to open file" in a "File Error" box: the report of every file
    // the calculator cannot read or write.
    virtual void ReportFileError() = 0;
    // An empty box gives 0, 0.0 or "". Escape or Cancel throws
    // PromptCancelled, which the command frame takes as the end of the
    // command: whatever the command did before asking stays done.
    virtual int PromptInt(const std::string& label) = 0;
    virtual double PromptReal(const std::string& label) = 0;
    virtual std::string PromptText(const std::string& label) = 0;
    // A line about the result of the command that is running ("exact", the
    // condition of a solve) in the notice place, amber when `warning`. It
    // stays until a later command changes the current matrix without
    // leaving one of its own.
    virtual void ShowResultNotice(const std::string& text, bool warning = false) = 0;
    // Message boxes, file dialogs, the wait cursor and the window's dialogs.
    virtual CalculatorHost& Host() = 0;
    virtual const CalculatorHost& Host() const = 0;

    // ---- What a command keeps between its runs (the conversion dialog's
    // remembered choices, the document's path): the command's folder owns
    // the type, the calculator keeps one value of each type for its
    // lifetime, default-made at first use and made afresh when it opens.
    template <class State> State& CommandState() {
        std::any& slot = CommandStateSlot(std::type_index(typeid(State)));
        if (!slot.has_value()) slot = State{};
        return std::any_cast<State&>(slot);
    }

  protected:
    ~Calculator() = default;
    virtual std::any& CommandStateSlot(std::type_index type) = 0;
};
