#pragma once
// The Edit popup's one-level Undo for every change the user makes to the
// display's text. The core keeps the undo text itself for the popup's Cut,
// Delete and Paste; typing, the editing keys, the clipboard keys, drops and
// the keys and commands that rewrite the display pass through Run, which
// hands the core the text they replaced. A run of typing, or of deleting, is
// one change, as in any text box.

#include "shell/display_box.h"

#include <functional>
#include <memory>
#include <string>

class CCalculatorDlg;

namespace zentabl {

class DisplayUndo {
  public:
    DisplayUndo(CCalculatorDlg& dlg, const DisplayBox& display);

    // Runs what the user did; a run inside another counts as part of it.
    void Run(UserEdit kind, const std::function<void()>& action);

  private:
    CCalculatorDlg& dlg_;
    const DisplayBox& display_;
    bool running_ = false;
    // The kind of the last change and the text it left, while a change of
    // the same kind may still continue it (else null). Texts are the box's
    // snapshots ('\n' breaks; the core is handed CR LF): a shown matrix runs
    // to megabytes, and an unchanged text is the same snapshot.
    UserEdit lastKind_ = UserEdit::Other;
    std::shared_ptr<const std::string> lastText_;
};

} // namespace zentabl
