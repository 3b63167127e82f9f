#pragma once
// The interface through which the calculator core drives its window. The core
// never draws and never blocks on a real dialog: the Qt window, the scripted
// host of zenscript and the unit tests each implement these classes.

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/popup_menu.h"
#include "platform/printed_page.h"

// Message-box flags and answers, with their familiar values.
enum : unsigned {
    MB_OK = 0x00000000u,
    MB_YESNO = 0x00000004u,
    MB_ICONSTOP = 0x00000010u,
    MB_ICONINFORMATION = 0x00000040u,
};
enum : int { IDOK = 1, IDYES = 6, IDNO = 7 };

// Argument of CalculatorHost::MessageBeep used by the calculator.
constexpr unsigned kBeepDefault = 1;

// Controls report only what the user does: a value set by the core through
// these interfaces is never reported back as a change (no OnDisplayChange,
// no OnSpinChange for it).
//
// A multi-line text box (the display; also the Width and Decimal boxes).
// Text is held with CR LF line breaks; SelStart, SelLength, TextLength and
// CurLine count each line break as ONE position, as the box shows it.
// SetText leaves the caret at the end of the new text, nothing selected.
class CMdcText {
  public:
    virtual ~CMdcText() = default;
    virtual std::string Text() const = 0;
    virtual void SetText(const std::string& text) = 0;
    // OLE colour 0x00BBGGRR.
    virtual unsigned ForeColor() const = 0;
    virtual void SetForeColor(unsigned color) = 0;
    virtual int SelStart() const = 0;
    virtual void SetSelStart(int position) = 0;
    virtual int SelLength() const = 0;
    virtual void SetSelLength(int length) = 0;
    // Zero-based line of the caret.
    virtual int CurLine() const = 0;
    virtual int TextLength() const = 0;
    virtual void SetFocus() = 0;
    virtual void Cut() = 0;
    virtual void Copy() = 0;
    virtual void Paste() = 0;
    virtual bool CanPaste() const = 0;
};

// The command list: a combo box whose text field shows a title or the picked row.
class CMdcCombo {
  public:
    virtual ~CMdcCombo() = default;
    virtual void Clear() = 0;
    virtual void AddItem(const std::string& text) = 0;
    virtual std::string Text() const = 0;
    virtual void SetText(const std::string& text) = 0;
    virtual int SelStart() const = 0;
    virtual void SetSelStart(int position) = 0;
    virtual int SelLength() const = 0;
    virtual void SetSelLength(int length) = 0;
    virtual void DropDown() = 0;
};

class CSpinbutton {
  public:
    virtual ~CSpinbutton() = default;
    virtual int Value() const = 0;
    virtual void SetValue(int value) = 0;
};

class CLabelControl {
  public:
    virtual ~CLabelControl() = default;
    virtual std::string Caption() const = 0;
    virtual void SetCaption(const std::string& caption) = 0;
    // Amber behind the text: what it says needs care.
    virtual void SetWarning(bool on) = 0;
};

struct ScreenRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

struct ScreenPoint {
    int x = 0;
    int y = 0;
};

// Outcome of starting the expression evaluator and waiting for it.
struct EvaluatorRun {
    bool started = false; // false: the program could not be started at all
    int exitStatus = 0;   // the evaluator's exit status when started
    int errorNumber = 0;  // errno of the failed start when not started
};

// What an open or save file dialog offers.
struct FileDialogRequest {
    enum class Kind { Open, Save };
    Kind kind = Kind::Open;
    std::string filterName;       // e.g. "Data Files (*.mtx)"
    std::string defaultExtension; // without the dot, added to a name typed without one
};

// What the unit conversion dialog opens with and answers: a category and two
// unit names, as texts (a unit may be typed by hand).
struct ConversionChoice {
    std::string category;
    std::string from;
    std::string to;
};

// The conversion dialog's lists: every category with its units in box order
// and the pair last used with it, and the category the dialog opens on.
struct ConversionDialogContent {
    struct Category {
        std::string name;
        std::vector<std::string> units;
        std::string from;
        std::string to;
    };
    std::vector<Category> categories;
    std::string openCategory;
};
// What View > Steps lists: whose steps they are, each entry (the starting
// matrix, then each step) as its heading line followed by its matrix's
// rows, why there are none when there are none, and the whole as plain
// text and as LaTeX for the copy buttons.
struct StepsListing {
    std::string title;
    std::vector<std::string> entries;
    std::string note;
    std::string text;
    std::string latex;
};

// The methods offered by the linear-system dialog, by the ids of their radio
// buttons; None when OK was pressed with neither chosen.
enum class SolveMethod { None = 0, GaussJordan = 1018, Lu = 1019 };

// Everything modal or global that the calculator asks of its window.
class CalculatorHost {
  public:
    virtual ~CalculatorHost() = default;

    // Returns IDOK, IDYES or IDNO. flags: MB_OK or MB_YESNO, plus an icon.
    virtual int MessageBox(const std::string& text, const std::string& caption, unsigned flags) = 0;
    // The prompt box: the typed text after OK or Enter, nullopt after Escape.
    virtual std::optional<std::string> Prompt(const std::string& label) = 0;
    virtual void MessageBeep(unsigned type) = 0;
    virtual void BeginWaitCursor() = 0;
    virtual void EndWaitCursor() = 0;
    virtual void SetCaption(const std::string& caption) = 0;
    // Moves the keyboard focus to the control with this id (e.g. 1004, 1009).
    virtual void SetFocusTo(int controlId) = 0;
    virtual void EnableToolTips(bool enable) = 0;
    // Shows the menu with its top-left corner at the screen point and returns
    // the chosen item's id, or 0 when the menu was dismissed.
    virtual int TrackPopupMenu(const PopupMenu& menu, int x, int y) = 0;
    // The control's window rectangle in screen coordinates.
    virtual ScreenRect ControlScreenRect(int controlId) = 0;
    // Converts a point in the control's client coordinates to the screen.
    virtual ScreenPoint ClientToScreen(int controlId, int x, int y) = 0;
    // Starts the expression evaluator in the working directory and waits
    // until it has ended.
    virtual EvaluatorRun RunEvaluator() = 0;
    // The splash window, shown for the given time while the calculator starts.
    virtual void ShowSplash(int milliseconds) = 0;
    virtual void ShowAboutBox() = 0;
    // Opens the user guide at a context number.
    virtual void ShowHelp(int context) = 0;
    // Ends the calculator (File > Exit).
    virtual void CloseWindow() = 0;
    // The file dialog: the chosen file's full path, or nullopt after Cancel.
    // An open dialog returns only an existing file; a save dialog asks before
    // it replaces one. Neither changes the working directory.
    virtual std::optional<std::string> FileDialog(const FileDialogRequest& request) = 0;
    // The print dialog: the chosen printer, or nullptr after Cancel or when
    // the dialog was closed without a usable printer.
    virtual std::unique_ptr<PrinterDevice> PrintDialog() = 0;
    // The conversion dialog: choosing a category refills both unit boxes with
    // its units and its remembered pair. The chosen texts after OK, nullopt
    // after Cancel.
    virtual std::optional<ConversionChoice> ShowConversionDialog(
        const ConversionDialogContent& content) = 0;
    // The report of the machine's floating-point arithmetic, with OK and Help.
    virtual void ShowMachineFloatDialog(const std::string& report) = 0;
    // The linear-system dialog: the method chosen after OK, nullopt after
    // Cancel.
    virtual std::optional<SolveMethod> ShowSolveDialog() = 0;

    // The picture window beside the calculator (View > Picture): while it is
    // shown it follows the current matrix.
    virtual void ShowPictureWindow(bool show) = 0;
    virtual bool PictureWindowShown() const = 0;
    // The command just ended changed the current matrix or the mode: a
    // window that follows the matrix redraws, after the command.
    virtual void CurrentMatrixChanged() = 0;
    // The Steps window beside the calculator (View > Steps), showing this
    // listing; an open one takes it and comes to the front.
    virtual void ShowStepsWindow(const StepsListing& listing) = 0;
    // Puts a text the calculator wrote on the clipboard (Edit > Copy As).
    virtual void CopyToClipboard(const std::string& text) = 0;
};
