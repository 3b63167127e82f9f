// The display's Edit popup: clipboard actions with a one-level undo.

#include "calculator/calculator_dlg.h"
#include "platform/line_breaks.h"

#include <utility>

int CCalculatorDlg::UndoCount() const {
    return undoCount_;
}
bool CCalculatorDlg::CanUndo() const {
    return undoCount_ >= 1;
}

bool CCalculatorDlg::DisplayHasSelection() const {
    return controls_.display.TextLength() > 0 && controls_.display.SelLength() > 0;
}

bool CCalculatorDlg::DisplaySelectsAll() const {
    const CMdcText& display = controls_.display;
    return display.TextLength() == 0 ||
           (display.SelStart() == 0 && display.SelLength() == display.TextLength());
}

bool CCalculatorDlg::DisplayCanPaste() const {
    return controls_.display.CanPaste();
}

void CCalculatorDlg::OnEditUndo() {
    std::string shown = Display().Text();
    // Kept texts may break lines with LF alone; the entry breaks with CR LF.
    entryText_ = undoText_ ? CrLfText(*undoText_) : std::string();
    Display().SetText(entryText_);
    undoText_ = std::make_shared<const std::string>(std::move(shown));
}

void CCalculatorDlg::KeepUndoText(std::shared_ptr<const std::string> text) {
    undoText_ = std::move(text);
    ++undoCount_;
}

void CCalculatorDlg::SaveUndoText() {
    undoText_ = std::make_shared<const std::string>(Display().Text());
    entryText_ = *undoText_;
    ++undoCount_;
}

void CCalculatorDlg::OnEditCut() {
    SaveUndoText();
    Display().Cut();
    FollowDisplay();
}

// Delete puts the selection on the clipboard too, as Cut does.
void CCalculatorDlg::OnEditDelete() {
    OnEditCut();
}

void CCalculatorDlg::OnEditCopy() {
    Display().Copy();
}

void CCalculatorDlg::OnEditPaste() {
    SaveUndoText();
    // Pasted after an operator key, the text is the second operand, as a
    // typed one is: it replaces the cue instead of joining it.
    if (ShowsOperatorCue()) {
        Display().SetSelStart(0);
        Display().SetSelLength(Display().TextLength());
    }
    Display().Paste();
    FollowDisplay();
}

void CCalculatorDlg::OnEditSelectAll() {
    Display().SetSelStart(0);
    Display().SetSelLength(Display().TextLength());
}
