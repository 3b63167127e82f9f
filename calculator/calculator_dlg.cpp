#include "calculator/calculator_dlg.h"

#include <myexcept.h>

#include <cctype>
#include <new>
#include <stdexcept>

#include "calculator/control_ids.h"
#include "interchange/exchange_files.h"
#include "platform/wait_cursor.h"
#include "matrixlib/ztmath.h"

namespace {

constexpr char kErrorCaption[] = "Error";
constexpr char kOutOfMemory[] = "Not enough memory";
constexpr char kMatrixError[] = "Matrix operation failed";
constexpr int kSplashMilliseconds = 2500;
constexpr int kRightButton = 2;
constexpr int kSpinMaximum = 100; // the spin buttons' range is 0 ... 100

// newmat collects its messages behind a banner, with the matrix type and a
// trace below; the box shows the line that says what went wrong, such as
// "Matrix is singular".
std::string NewmatMessage() {
    const char* what = RBD_COMMON::BaseException::what();
    const std::string text = what ? what : "";
    const std::string marker = "detected by Newmat: ";
    const size_t found = text.find(marker);
    if (found == std::string::npos) return kMatrixError;
    const size_t start = found + marker.size();
    std::string line = text.substr(start, text.find('\n', start) - start);
    if (line.empty()) return kMatrixError;
    line[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(line[0])));
    return line;
}

int ClampSpin(int value) {
    return value < 0 ? 0 : value > kSpinMaximum ? kSpinMaximum : value;
}

} // namespace

CCalculatorDlg::CCalculatorDlg(CalculatorHost& host, const CalculatorControls& controls,
                               CalculatorCommands& commands)
    : host_(host), controls_(controls), commands_(commands) {}

void CCalculatorDlg::OnInitDialog() {
    RunCommand([this] {
        host_.EnableToolTips(true);

        complexMode_ = false;
        for (bool& flag : pending_)
            flag = false;
        format_ = NumberFormat::Default;
        keyboardEntry_ = true;
        dragDrop_ = true;
        exponentFlag_ = false;
        registerName_.clear();
        width_ = 4;
        decimals_ = 2;
        truncationDigits_ = 12;
        radix_ = 10;
        commandStates_.clear();

        host_.ShowSplash(kSplashMilliseconds);
        ResetCaption();

        UpdateStatusLine(status::Mode, status::RealMode);
        UpdateStatusLine(status::Radix, status::Unused);
        SetMultiplyMatrix();
        commands_.ShowCommandList(*this, Tests);

        undoCount_ = 0;
        undoText_.reset();
        firstOperand_ = {0.0, 0.0};
        secondOperand_ = {0.0, 0.0};
        current_ = {0.0, 0.0};
        seriesTolerance_ = 1e-7;
        caretPosition_ = 0;

        WriteWidthControls(width_);
        WriteDecimalControls(decimals_);
        entryText_.clear();
        EnterEditingState();
        Display().SetText(entryText_);
        Display().SetFocus();
    });
}

void CCalculatorDlg::RunCommand(const std::function<void()>& command, const std::string& caption) {
    // Whatever a command stored is what the display shows afterwards.
    if (frameDepth_ == 0) {
        changesAtFrameStart_ = currentChanges_;
        complexAtFrameStart_ = complexMode_;
        resultNoticeSetInFrame_ = false;
    }
    const auto showWhatChanged = [this] {
        if (shownChanges_ != currentChanges_) ShowCurrentMatrix();
        if (frameDepth_ == 1) EndOutermostFrame();
        UpdateNotice();
    };
    struct Depth {
        explicit Depth(CCalculatorDlg& dlg) : dlg(dlg) { ++dlg.frameDepth_; }
        ~Depth() {
            if (--dlg.frameDepth_ == 0) dlg.currentBeforeFrame_.reset();
        }
        CCalculatorDlg& dlg;
    } depth(*this);
    std::string message;
    bool outOfMemory = false;
    try {
        command();
        showWhatChanged();
        return;
    } catch (const PromptCancelled&) {
        showWhatChanged();
        return;
    } catch (const RBD_COMMON::Bad_alloc&) {
        outOfMemory = true;
    } catch (const RBD_COMMON::BaseException&) {
        message = NewmatMessage();
    } catch (const std::bad_alloc&) {
        outOfMemory = true;
    } catch (const ztmath::MathError& error) {
        message = error.what();
    } catch (const std::exception& error) {
        message = error.what();
    }
    if (outOfMemory) {
        RollBackCurrent();
        host_.MessageBox(kOutOfMemory, caption.empty() ? kErrorCaption : caption,
                         MB_OK | MB_ICONSTOP);
    } else {
        host_.MessageBox(message, kErrorCaption, MB_OK | MB_ICONSTOP);
    }
    // Showing may run out of memory in its turn; the box above has said so.
    try {
        showWhatChanged();
    } catch (const std::bad_alloc&) {
    } catch (const RBD_COMMON::BaseException&) {
    }
}

// A result notice belongs to the result it was said of; a window that
// follows the matrix hears of the change once the command is done.
void CCalculatorDlg::EndOutermostFrame() {
    const bool changed = currentChanges_ != changesAtFrameStart_;
    if (changed && !resultNoticeSetInFrame_) resultNotice_.clear();
    if (changed || complexMode_ != complexAtFrameStart_) host_.CurrentMatrixChanged();
}

bool CCalculatorDlg::Refuse(const std::string& text, const std::string& caption) {
    host_.MessageBox(text, caption, MB_OK | MB_ICONSTOP);
    return false;
}

void CCalculatorDlg::ShowError(const std::string& text, const std::string& caption,
                               unsigned flags) {
    host_.MessageBox(text, caption, MB_OK | flags);
}

// ---- Entry points

// Buttons, command-list rows and menu commands show the wait cursor for
// their whole run, whatever they turn out to do.
void CCalculatorDlg::RunWithWaitCursor(const std::function<void()>& command) {
    const WaitCursor wait(host_);
    RunCommand(command);
}

void CCalculatorDlg::OnButton(int controlId) {
    RunWithWaitCursor([this, controlId] { commands_.PressButton(*this, controlId); });
}

bool CCalculatorDlg::OnKeyPress(int keyAscii) {
    if (!keyboardEntry_) return false;
    bool taken = true;
    RunCommand([this, keyAscii, &taken] {
        if (keyAscii == '\r' || keyAscii == '\n') {
            InsertNextRow();
        } else if (keyAscii >= 0x20 && keyAscii < 0x7f) {
            InsertKey(static_cast<char>(keyAscii));
        } else {
            taken = false; // editing keys such as Backspace: the box handles them
        }
    });
    return taken;
}

void CCalculatorDlg::OnDisplayChange() {
    RunCommand([this] { FollowDisplay(); });
}

void CCalculatorDlg::FollowDisplay() {
    if (keyboardEntry_) entryText_ = Display().Text();
}

void CCalculatorDlg::OnDisplayMouseUp(int button, int x, int y) {
    RunCommand([this, button, x, y] {
        if (button == kRightButton) {
            const ScreenPoint point = host_.ClientToScreen(IDC_DISPLAY, x, y);
            commands_.ShowEditMenu(*this, point.x, point.y);
        }
        EnterEditingState();
    });
}

void CCalculatorDlg::OnSpinChange(int controlId) {
    RunCommand([this, controlId] {
        if (!IsSetState()) return;
        if (controlId == IDC_WIDTH_SPIN) {
            width_ = ClampSpin(WidthSpin().Value());
            WidthBox().SetText(std::to_string(width_));
            ShowCurrentMatrix();
        } else if (controlId == IDC_DECIMAL_SPIN) {
            decimals_ = ClampSpin(DecimalSpin().Value());
            DecimalBox().SetText(std::to_string(decimals_));
            ShowCurrentMatrix();
            if (format_ != NumberFormat::Exponential)
                format_ = decimals_ == 2 ? NumberFormat::Default : NumberFormat::Fixed;
        }
    });
}

void CCalculatorDlg::OnBoxMouseMove(int) {
    RunCommand([this] { MoveFocusByEntryState(); });
}

void CCalculatorDlg::OnCommandListClick() {
    RunWithWaitCursor([this] { commands_.PickCommandListRow(*this); });
}

void CCalculatorDlg::OnMenuCommand(int id) {
    RunWithWaitCursor([this, id] { commands_.RunMenuCommand(*this, id); });
}

bool CCalculatorDlg::OnDropText(const std::string& text) {
    if (!dragDrop_) return false;
    RunCommand([this, &text] {
        entryText_ = text;
        Display().SetText(entryText_);
        EnterEditingState();
        Display().SetFocus();
    });
    return true;
}

bool CCalculatorDlg::OnDropFile(const std::string& path) {
    if (!dragDrop_ || !IsImportFile(path)) return false;
    RunWithWaitCursor([this, &path] { commands_.ImportFile(*this, path); });
    return true;
}

// ---- Plain accessors

bool CCalculatorDlg::KeyboardEntry() const {
    return keyboardEntry_;
}

void CCalculatorDlg::SetKeyboardEntry(bool on) {
    keyboardEntry_ = on;
    // Typing while it was off went to the display alone; catch up with it.
    if (on) entryText_ = controls_.display.Text();
}

bool CCalculatorDlg::DragDrop() const {
    return dragDrop_;
}
void CCalculatorDlg::SetDragDrop(bool on) {
    dragDrop_ = on;
}
void CCalculatorDlg::EnableToolTips(bool on) {
    host_.EnableToolTips(on);
}
int CCalculatorDlg::CurrentCommandList() const {
    return commandList_;
}
void CCalculatorDlg::SetCurrentCommandList(int kind) {
    commandList_ = kind;
}
double CCalculatorDlg::SeriesTolerance() const {
    return seriesTolerance_;
}
