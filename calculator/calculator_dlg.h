#pragma once
// CCalculatorDlg: the calculator's whole state and the display cycle, the
// operators, the registers and the display options. It draws nothing itself:
// it drives the window through the host interface of platform/host.h.
//
// How a click travels: the window (shell/) or a script (scripting/) calls an
// entry point here, such as OnButton(id) or OnCommandListClick(). The entry
// point runs inside the command frame, RunCommand, and hands the click to the
// CalculatorCommands it was built with: commands/ finds the row of the button,
// the list or the menu and runs its handler, a procedure taking the
// Calculator interface (calculator.h), which the dialog implements. The
// procedure reads the current matrix, calls the matrix library (matrixlib/),
// stores the result with SetCurrentMatrix and redraws the display with
// ShowCurrentMatrix; a failure anywhere on the way becomes the frame's
// "Error" box and nothing is stored.
//
// The dialog knows no command; the commands know only the interface.

#include <newmat.h>

#include <any>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <typeindex>
#include <unordered_map>
#include <vector>

#include "calculator/calculator.h"
#include "exact/exact_result.h"
#include "platform/host.h"

// OLE colours of the display text; they double as the entry state.
constexpr unsigned kEditingColor = 0xC0C0C0; // grey: text is being typed
constexpr unsigned kSetColor = 0x00FFFF;     // yellow: a set matrix is shown

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

class CCalculatorDlg final : public Calculator {
  public:
    CCalculatorDlg(CalculatorHost& host, const CalculatorControls& controls,
                   CalculatorCommands& commands);
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
    // A file dropped on the display: one that File > Import reads (by its
    // extension, or a MatrixMarket file) is imported. False, with nothing
    // done, for any other file (the window drops its text instead) and while
    // the drag-drop setting is off.
    bool OnDropFile(const std::string& path);
    // The display's text before a change the user made to it some other way
    // (typing, editing keys, a drop, a key that rewrote it): Undo brings it
    // back, as after Cut. Its line breaks may be CR LF or LF alone; the
    // window hands over the text it keeps anyway, shared, not copied.
    void KeepUndoText(std::shared_ptr<const std::string> text);

    // ---- What the window and the scripts read
    const std::string& EntryText() const;
    // What the last SE did to the text, while its matrix is the current one:
    // "Read as R x C; N numbers ignored" or "Read as R x C from rows of
    // different lengths"; "Read as MATLAB" (the notation) for a text in
    // another tool's notation; empty when it read the text as written.
    const std::string& ReadingNotice() const { return readingNotice_; }
    // What the last command said of its result (ShowResultNotice), while it
    // stands, and whether it warns.
    const std::string& ResultNotice() const { return resultNotice_; }
    bool ResultNoticeWarns() const { return resultNoticeWarns_; }
    // The operations "=" will carry out, in its order: "Pending: + *".
    std::string PendingNotice() const;
    const std::string& RegisterName() const;
    int TruncationDigits() const;
    bool KeyboardEntry() const;
    bool DragDrop() const;
    int UndoCount() const;
    // "           C" -> "RegC", "           t" -> "Regtmp".
    static std::string RegisterFileName(const std::string& item);

  private:
    using Packed = std::vector<double>;

    // ---- Calculator
    void RunCommand(const std::function<void()>& command, const std::string& caption = {}) override;
    NEWMAT::Matrix GetCurrentMatrix() const override;
    void SetCurrentMatrix(const NEWMAT::Matrix& matrix) override;
    bool HasCurrentMatrix() const override;
    unsigned long CurrentMatrixChanges() const override;
    void ShowCurrentMatrix() override;
    void StoreRegister(const std::string& item) override;
    bool RecallRegister(const std::string& item) override;
    void SaveToTemporaryRegister(const NEWMAT::Matrix& value) override;
    void Press(CalculatorKey key, int number = 0) override;
    bool SetTypedEntry() override;
    void AppendToEntryText(const std::string& text) override;
    bool IsSetState() const override;
    void EnterSetState() override;
    void EnterEditingState() override;
    void FocusDisplay() override;
    void MoveFocusByEntryState() override;
    bool CanUndo() const override;
    bool DisplayHasSelection() const override;
    bool DisplayCanPaste() const override;
    bool DisplaySelectsAll() const override;
    void BeginTwoOperand(PendingOperation operation, const char* cue) override;
    void ClearPending() override;
    bool IsComplexMode() const override;
    MultiplyKind GetMultiplyMode() const override;
    NumberFormat FormatInForce() const override;
    int Width() const override;
    int Decimals() const override;
    int Radix() const override;
    bool ExponentFlag() const override;
    bool AlignColumns() const override { return alignColumns_; }
    double SeriesTolerance() const override;
    void SetDecimals(int decimals) override;
    void SetRadix(int radix) override;
    void SetExponentFlag(bool on) override;
    int CurrentCommandList() const override;
    void SetCurrentCommandList(int kind) override;
    CMdcCombo& CommandList() override { return controls_.commandList; }
    void UpdateStatusLine(int segment, int value) override;
    void ShowDocumentCaption(const std::string& documentName) override;
    void ResetCaption() override;
    bool CaptionNamesDocument() const override { return captionNamesDocument_; }
    bool Refuse(const std::string& text, const std::string& caption) override;
    void ReportFileError() override;
    int PromptInt(const std::string& label) override;
    double PromptReal(const std::string& label) override;
    std::string PromptText(const std::string& label) override;
    void ShowResultNotice(const std::string& text, bool warning = false) override;
    CalculatorHost& Host() override { return host_; }
    const CalculatorHost& Host() const override { return host_; }
    std::any& CommandStateSlot(std::type_index type) override { return commandStates_[type]; }

    // ---- The keys Press runs
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
    void ClearCalculator();   // CE
    void InsertKey(char key); // at the display's caret
    void InsertNextRow();     // a line break at the caret
    void Backspace();         // "<": drops the last character
    void SetEntry();          // SE
    void OnParse();
    void OnFormatDefault();
    void OnFormatFixed(int decimals);       // 1 ... 16
    void OnFormatExponential(int decimals); // 1 ... 16
    void OnFormatTruncate(int digits);      // 0 ... 12
    void OnViewAlignColumns();              // switches it and redraws a set matrix
    void OnFormatFraction();
    void DisplayDecimal();
    void DisplayEngineering();
    void DisplayHexadecimal();
    void DisplayOctal();
    void SetRealMode();
    void SetComplexMode();
    void SetMultiplyScalar();
    void SetMultiplyKronecker();
    void SetMultiplyMatrix();
    void SetMultiplySchur();
    void SetKeyboardEntry(bool on);
    void SetDragDrop(bool on);
    void EnableToolTips(bool on);
    void OnEditUndo();
    void OnEditCut();
    void OnEditCopy();
    void OnEditPaste();
    void OnEditDelete();
    void OnEditSelectAll();

    // ---- Inside the dialog
    // What an "=" that cannot finish does: clears every pending flag and
    // shows the current matrix in the set state.
    void AbandonPending();
    // Write or read the current matrix; a failure is reported
    // ("Unable to open file", "File Error") and changes nothing.
    bool SaveRegisterFile(const std::string& name);
    bool LoadRegisterFile(const std::string& name);
    // Writes the value into the Decimal box and the decimals spin.
    void WriteDecimalControls(int decimals);
    CMdcText& Display() { return controls_.display; }
    CLabelControl& StatusLabel() { return controls_.status; }
    CMdcText& WidthBox() { return controls_.widthBox; }
    CMdcText& DecimalBox() { return controls_.decimalBox; }
    CSpinbutton& WidthSpin() { return controls_.widthSpin; }
    CSpinbutton& DecimalSpin() { return controls_.decimalSpin; }

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
    // An operator's exact result, or its Singular refusal.
    EqualsOutcome TakeExact(const ExactResult<NEWMAT::Matrix>& exact, NEWMAT::Matrix& result);
    void ApplyToCurrent(const std::function<void(NEWMAT::Matrix&)>& operation);
    void DisplayIntegersInRadix(int radix);
    void WriteWidthControls(int width);
    void SaveUndoText();
    bool SavePacked(const std::string& name, const Packed& packed);
    // Inside a command frame, the first change of the current matrix keeps
    // the one it replaces, so a frame that runs out of memory can put it back.
    void KeepCurrentForRollback();
    void RollBackCurrent();
    // The notice line: the reading notice, the result notice and the
    // pending queue.
    void UpdateNotice();
    void EndOutermostFrame();

    CalculatorHost& host_;
    CalculatorControls controls_;
    CalculatorCommands& commands_;

    bool complexMode_ = false;
    bool pending_[kPendingOperationCount] = {};
    MultiplyKind multiplyMode_ = MultiplyKind::Matrix;
    NumberFormat format_ = NumberFormat::Default;
    bool keyboardEntry_ = true;
    bool dragDrop_ = true;
    bool exponentFlag_ = false;
    bool alignColumns_ = false;
    std::string readingNotice_;
    std::string resultNotice_;
    bool resultNoticeWarns_ = false;
    bool resultNoticeSetInFrame_ = false;
    // At the start of the outermost frame: what the frame's end compares.
    unsigned long changesAtFrameStart_ = 0;
    bool complexAtFrameStart_ = false;
    unsigned long readingNoticeChanges_ = 0;
    std::string registerName_;
    std::string entryText_;
    std::string statusSegments_[5];
    Packed firstOperand_{0.0, 0.0};
    Packed secondOperand_{0.0, 0.0};
    Packed current_{0.0, 0.0};
    unsigned long currentChanges_ = 0;
    unsigned long shownChanges_ = 0;
    std::uint64_t shownTextHash_ = 0; // TextFingerprint of the text the last show wrote
    int frameDepth_ = 0;
    std::optional<Packed> currentBeforeFrame_;
    unsigned long changesBeforeFrame_ = 0;
    int width_ = 4;
    int decimals_ = 2;
    int truncationDigits_ = 12;
    int radix_ = 10;
    double seriesTolerance_ = 1e-7;
    int undoCount_ = 0;
    std::shared_ptr<const std::string> undoText_; // null: nothing kept
    bool captionNamesDocument_ = false;
    std::unordered_map<std::type_index, std::any> commandStates_;
    int caretPosition_ = 0;
    int commandList_ = 1;
};
