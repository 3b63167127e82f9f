#include "shell/display_undo.h"

#include "calculator/calculator_dlg.h"

namespace zentabl {

DisplayUndo::DisplayUndo(CCalculatorDlg& dlg, const DisplayBox& display)
    : dlg_(dlg), display_(display) {}

void DisplayUndo::Run(UserEdit kind, const std::function<void()>& action) {
    if (running_) {
        action();
        return;
    }
    running_ = true;
    const std::shared_ptr<const std::string> before = display_.TextSnapshot();
    const int undoCount = dlg_.UndoCount();
    action();
    running_ = false;
    std::shared_ptr<const std::string> after = display_.TextSnapshot();
    if (after == before || *after == *before) return;
    const bool continues = kind != UserEdit::Other && kind == lastKind_ && lastText_ &&
                           (lastText_ == before || *lastText_ == *before);
    // The popup's own Cut, Delete and Paste have kept the text already.
    if (!continues && dlg_.UndoCount() == undoCount) dlg_.KeepUndoText(before);
    lastKind_ = kind;
    lastText_ = kind == UserEdit::Other ? nullptr : std::move(after);
}

} // namespace zentabl
