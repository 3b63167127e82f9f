#pragma once
// CCalculatorDlg: the calculator's whole state and the display cycle, the
// operators, the registers and the display options. It draws nothing itself:
// it drives the window through the host interface of platform/host.h.
//
// How a click travels: the window (shell/) or a script (scripting/) calls an
// entry point here, such as OnButton(id) or OnCommandListClick(). The entry
// point runs inside the command frame, RunCommand, and hands the click to the
// CalculatorCommands it was built with: commands/ finds the row of the button,
// the list or the menu and runs its handler, a procedure taking the dialog.
// The procedure reads the current matrix, calls the matrix library
// (matrixlib/), stores the result with SetCurrentMatrix and redraws the
// display with ShowCurrentMatrix; a failure anywhere on the way becomes the
// frame's "Error" box and nothing is stored.
//
// Commands in commands/, procedures/ and later folders are functions that take
// the dialog and use only this public interface; the dialog knows none of
// them.

#include <newmat.h>

#include <any>
#include <functional>
#include <optional>
#include <string>
#include <typeindex>
#include <typeinfo>
#include <unordered_map>
#include <vector>

#include "calculator/calculator_commands.h"
#include "platform/host.h"

// The caption of boxes that speak for the calculator as a whole.
constexpr char kApplicationTitle[] = "Zentabl";

// OLE colours of the display text; they double as the entry state.
constexpr unsigned kEditingColor = 0xC0C0C0; // grey: text is being typed
constexpr unsigned kSetColor = 0x00FFFF;     // yellow: a set matrix is shown

// Values as the status line numbers them (segment 3).
enum class MultiplyKind { Scalar = 1, Kronecker = 2, Matrix = 3, Schur = 4 };

// Which Format choice is in force; the Format popup checks the matching item.
enum class NumberFormat { Default, Fixed, Exponential };

// Thrown by the prompts when the user cancels; RunCommand ends the command
// quietly.
struct PromptCancelled {};

// The controls the dialog writes to, owned by the window.
struct CalculatorControls {
    CMdcText& display;        // 1009
    CLabelControl& status;    // 1000
    CMdcCombo& commandList;   // 1010
    CMdcText& widthBox;       // 1011
    CMdcText& decimalBox;     // 1012
    CSpinbutton& widthSpin;   // 1013
    CSpinbutton& decimalSpin; // 1014
    CLabelControl& notice;    // 1015: what a reading dropped, what is pending
};

class CCalculatorDlg {
  public:
    CCalculatorDlg(CHost& host, const CalculatorControls& controls, CalculatorCommands& commands);
    CCalculatorDlg(const CCalculatorDlg&) = delete;
    CCalculatorDlg& operator=(const CCalculatorDlg&) = delete;

    // Sets every setting to its default and fills the controls; call once,
    // after construction, before any other entry point.
    void OnInitDialog();

    // ---- Entry points the window calls. Each runs inside the command frame
    // (RunCommand), so no failure escapes them.
    void OnButton(int controlId);
    // A key typed into the display (Enter as 13). Returns true when the
    // dialog has taken the key (keyboard entry on, a printable key or Enter):
    // the display must not insert it itself. Other keys, Backspace among
    // them, are left to the display, which then reports OnDisplayChange.
    bool OnKeyPress(int keyAscii);
    void OnDisplayChange();
    // button: 1 left, 2 right, 4 middle; x, y in the display's client coordinates.
    void OnDisplayMouseUp(int button, int x, int y);
    void OnSpinChange(int controlId);
    // The mouse moved over the Width or Decimal box.
    void OnBoxMouseMove(int controlId);
    void OnCommandListClick();
    void OnMenuCommand(int id);
    // Text dropped on the display. Returns false (refused) while the
    // drag-drop setting is off; otherwise the text replaces the entry text,
    // in the editing state.
    bool OnDropText(const std::string& text);

    // Runs a command: newmat's exceptions and the matrix library's numerical
    // error are shown in an "Error" box (stop icon). A command stores its
    // result last, so a failed one has stored nothing. Memory running out
    // (std::bad_alloc, newmat's Bad_alloc), even while the result is shown,
    // is "Not enough memory" under `caption` (the command's name; "Error"
    // when empty), and the current matrix is put back as it was before the
    // outermost frame began.
    void RunCommand(const std::function<void()>& command, const std::string& caption = {});

    // ---- Current matrix and display cycle
    NEWMAT::Matrix GetCurrentMatrix() const;
    // Stores without redrawing; the command frame redraws a matrix that a
    // command stored and did not show.
    void SetCurrentMatrix(const NEWMAT::Matrix& matrix);
    // How many times the current matrix has been stored, so a caller can
    // tell whether a command changed it.
    unsigned long CurrentMatrixChanges() const;
    bool HasCurrentMatrix() const;
    // Redraws the display from the current matrix. A matrix emptied since it
    // was last shown empties the display (editing state); otherwise an empty
    // or, in complex mode, odd-columned matrix leaves the display as it was.
    void ShowCurrentMatrix();
    void ClearCalculator();   // CE
    void InsertKey(char key); // at the display's caret
    void InsertNextRow();     // a line break at the caret
    // Appends text to the end of the entry text (not at the caret) and shows
    // it in the editing state with the keyboard focus on the display. After a
    // two-operand key the text starts the second operand instead of following
    // the operator's cue.
    void AppendToEntryText(const std::string& text);
    void Backspace();         // "<": drops the last character
    void SetEntry();          // SE
    // Before an operator, a procedure, a test or Store: text the user typed
    // (the editing state, not a cue, not merely the shown matrix clicked
    // into) is the matrix meant, and is set first as SE sets it. False when
    // it does not read; the syntax error has been shown then.
    bool SetTypedEntry();
    const std::string& EntryText() const;
    // What the last SE did to the text, while its matrix is the current one:
    // "Read as R x C; N numbers ignored" or "Read as R x C from rows of
    // different lengths"; empty when it read the text as written.
    const std::string& ReadingNotice() const { return readingNotice_; }
    // The operations "=" will carry out, in its order: "Pending: + *".
    std::string PendingNotice() const;
    bool IsSetState() const; // the display is yellow
    void EnterSetState();     // yellow: a set matrix is shown
    void EnterEditingState(); // grey: text is being typed
    // Focus to the "Options" caption in the set state, to the display
    // otherwise and while an operator's cue is shown.
    void MoveFocusByEntryState();
    // segment 1: 1 real, 2 complex; 2: 0 cleared, 1 register letter;
    // 3: the MultiplyKind value; 5: the radix (value ignored).
    void UpdateStatusLine(int segment, int value);
    // Sets the window caption back to " Zentabl".
    void ResetCaption();
    // Sets the window caption to " Zentabl - " followed by the name.
    void ShowDocumentCaption(const std::string& documentName);

    // ---- Operators and "="
    void OnAdd();
    void OnSubtract();
    void OnMultiply();
    void OnDivide();
    void OnEquals();
    void OnSign();
    void OnAbsolute();
    void OnInteger();
    void OnInverse();
    void OnTranspose();
    void OnPower();
    // Sets the pending flag; if there is a current matrix it becomes the first
    // operand and a non-null cue is written into the display.
    void BeginTwoOperand(PendingOperation operation, const char* cue);
    // Clears every pending flag, then the calculator.
    void ClearPending();
    // What an "=" that cannot finish does: clears every pending flag and
    // shows the current matrix in the set state.
    void AbandonPending();
    void SetMultiplyScalar();
    void SetMultiplyKronecker();
    void SetMultiplyMatrix();
    void SetMultiplySchur();
    MultiplyKind GetMultiplyMode() const;

    // ---- Modes and number formats
    bool IsRealMode() const;
    bool IsComplexMode() const;
    void SetRealMode();
    void SetComplexMode();
    int Width() const;
    int Decimals() const;
    int TruncationDigits() const;
    int Radix() const;
    bool ExponentFlag() const;
    NumberFormat FormatInForce() const;
    // Setters for procedures; they neither redraw nor touch the controls.
    void SetDecimals(int decimals);
    void SetRadix(int radix); // also refreshes status segment 5
    void SetExponentFlag(bool on);
    // Writes the value into the Decimal box and the decimals spin.
    void WriteDecimalControls(int decimals);
    void OnFormatDefault();
    void OnFormatFixed(int decimals);       // 1 ... 16
    void OnFormatExponential(int decimals); // 1 ... 16
    void OnFormatTruncate(int digits);      // 0 ... 12
    // Whether the display pads elements so that columns line up (off at
    // start). Only the display is affected; files keep their formats.
    bool AlignColumns() const { return alignColumns_; }
    void OnViewAlignColumns(); // switches it and redraws a set matrix
    void DisplayDecimal();
    void DisplayEngineering();
    void DisplayHexadecimal();
    void DisplayOctal();

    // ---- Registers
    // "           C" -> "RegC", "           t" -> "Regtmp".
    static std::string RegisterFileName(const std::string& item);
    void StoreRegister(const std::string& item);
    // Returns whether the register file was read.
    bool RecallRegister(const std::string& item);
    // Write or read the current matrix; a failure is reported
    // ("Unable to open file", "File Error") and changes nothing.
    bool SaveRegisterFile(const std::string& name);
    bool LoadRegisterFile(const std::string& name);
    // "Unable to open file" in a "File Error" box: the report of every file
    // the calculator cannot read or write.
    void ReportFileError();
    const std::string& RegisterName() const;
    // Writes the value (1 x 1, 1 x 2 dual, or a column) to the register t;
    // the current matrix, the display and the register name stay.
    void SaveToTemporaryRegister(const NEWMAT::Matrix& value);
    void OnParse();

    // ---- Settings switched by the SET DISPLAY group
    bool KeyboardEntry() const;
    void SetKeyboardEntry(bool on);
    bool DragDrop() const;
    void SetDragDrop(bool on);
    void EnableToolTips(bool on);

    // ---- Command list (the CommandListKind of commands/ as an int)
    int CurrentCommandList() const;
    void SetCurrentCommandList(int kind);

    // ---- Edit popup of the display, with its one-level undo
    int UndoCount() const;
    const std::string& UndoText() const;
    bool CanUndo() const;             // Undo greyed when false
    bool DisplayHasSelection() const; // Cut, Copy, Delete greyed when false
    bool DisplaySelectsAll() const;   // Select All greyed when true
    bool DisplayCanPaste() const;     // Paste greyed when false
    void OnEditUndo();
    void OnEditCut();
    void OnEditCopy();
    void OnEditPaste();
    void OnEditDelete();
    void OnEditSelectAll();
    // The display's text before a change the user made to it some other way
    // (typing, editing keys, a drop, a key that rewrote it): Undo brings it
    // back, as after Cut.
    void KeepUndoText(const std::string& text);

    // Whether the window caption names a document (ShowDocumentCaption; CE
    // and Recall drop the name).
    bool CaptionNamesDocument() const { return captionNamesDocument_; }

    // ---- What a command keeps between its runs (the conversion dialog's
    // remembered choices, the document's path): the command's folder owns
    // the type, the dialog keeps one value of each type for its lifetime,
    // default-made at first use and made afresh by OnInitDialog.
    template <class State> State& CommandState() {
        std::any& slot = commandStates_[std::type_index(typeid(State))];
        if (!slot.has_value()) slot = State{};
        return std::any_cast<State&>(slot);
    }

    double SeriesTolerance() const; // 1e-7, set when the dialog opens

    // ---- Refusals: every command that refuses shows its text in a box with
    // its caption and the stop icon, changing nothing. Returns false, so a
    // compute step can end with `return dlg.Refuse(...)`.
    bool Refuse(const std::string& text, const std::string& caption);

    // ---- The prompt box. An empty box gives 0, 0.0 or "". Escape or Cancel
    // throws PromptCancelled, which the command frame takes as the end of the
    // command: whatever the command did before asking stays done.
    int PromptInt(const std::string& label);
    double PromptReal(const std::string& label);
    std::string PromptText(const std::string& label);

    // ---- The host and the controls
    CHost& Host() { return host_; }
    CMdcText& Display() { return controls_.display; }
    CMdcCombo& CommandList() { return controls_.commandList; }
    CLabelControl& StatusLabel() { return controls_.status; }
    CMdcText& WidthBox() { return controls_.widthBox; }
    CMdcText& DecimalBox() { return controls_.decimalBox; }
    CSpinbutton& WidthSpin() { return controls_.widthSpin; }
    CSpinbutton& DecimalSpin() { return controls_.decimalSpin; }

  private:
    using Packed = std::vector<double>;

    static std::string RegisterLetter(const std::string& fileName);
    void ShowError(const std::string& text, const std::string& caption, unsigned flags);
    void RunWithWaitCursor(const std::function<void()>& command);
    void SetDisplayText(const std::string& text);
    // A text SE refuses: it stays in the display, in the editing state, with
    // the character at index `at` selected, and the error text is shown.
    void ReportEntryFault(int index, std::size_t at);
    // With keyboard entry on, the entry text takes the display's text.
    void FollowDisplay();
    // ShowCurrentMatrix for a matrix at hand, without unpacking it again.
    void ShowMatrix(const NEWMAT::Matrix& matrix);
    void InsertText(const std::string& text);
    // Whether the entry text is (what is left of) the cue a two-operand key
    // wrote into the display.
    bool ShowsOperatorCue() const;
    void SetMultiply(MultiplyKind mode);
    EqualsOutcome Combine(PendingOperation operation, const NEWMAT::Matrix& a,
                          const NEWMAT::Matrix& b, NEWMAT::Matrix& result);
    EqualsOutcome MultiplyReal(const NEWMAT::Matrix& a, const NEWMAT::Matrix& b,
                               NEWMAT::Matrix& result);
    EqualsOutcome MultiplyComplex(const NEWMAT::Matrix& a, const NEWMAT::Matrix& b,
                                  NEWMAT::Matrix& result);
    EqualsOutcome Fail(const char* text, const char* caption, unsigned icon, bool refillTests);
    void ApplyToCurrent(const std::function<void(NEWMAT::Matrix&)>& operation);
    void DisplayIntegersInRadix(int radix);
    void WriteWidthControls(int width);
    void SaveUndoText();
    bool SavePacked(const std::string& name, const Packed& packed);
    // Inside a command frame, the first change of the current matrix keeps
    // the one it replaces, so a frame that runs out of memory can put it back.
    void KeepCurrentForRollback();
    void RollBackCurrent();

    CHost& host_;
    CalculatorControls controls_;
    CalculatorCommands& commands_;

    bool complexMode_ = false;
    bool pending_[kPendingOperationCount] = {};
    MultiplyKind multiplyMode_ = MultiplyKind::Matrix;
    NumberFormat format_ = NumberFormat::Default;
    bool keyboardEntry_ = true;
    bool dragDrop_ = true;
    bool exponentFlag_ = false;
    // The notice line: the reading notice and the pending queue.
    void UpdateNotice();

    bool alignColumns_ = false;
    std::string readingNotice_;
    unsigned long readingNoticeChanges_ = 0;
    std::string registerName_;
    std::string entryText_;
    std::string statusSegments_[5];
    Packed firstOperand_{0.0, 0.0};
    Packed secondOperand_{0.0, 0.0};
    Packed current_{0.0, 0.0};
    unsigned long currentChanges_ = 0;
    unsigned long shownChanges_ = 0;
    std::size_t shownTextHash_ = 0; // of the text the last show wrote
    int frameDepth_ = 0;
    std::optional<Packed> currentBeforeFrame_;
    unsigned long changesBeforeFrame_ = 0;
    int width_ = 4;
    int decimals_ = 2;
    int truncationDigits_ = 12;
    int radix_ = 10;
    double seriesTolerance_ = 1e-7;
    int undoCount_ = 0;
    std::string undoText_;
    bool captionNamesDocument_ = false;
    std::unordered_map<std::type_index, std::any> commandStates_;
    int caretPosition_ = 0;
    int commandList_ = 1;
};
