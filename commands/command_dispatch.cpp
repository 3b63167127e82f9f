#include "commands/command_dispatch.h"

#include <string>

#include "calculator/calculator_dlg.h"
#include "calculator/control_ids.h"
#include "commands/command_groups.h"

void ShowCommandList(CCalculatorDlg& dlg, CommandListKind kind) {
    const CommandGroup* group = FindCommandGroup(kind);
    if (!group) return;
    dlg.SetCurrentCommandList(kind);
    CMdcCombo& list = dlg.CommandList();
    list.Clear();
    for (const char* row : group->rows)
        list.AddItem(row);
    const std::string title = CommandGroupTitle(*group, dlg);
    list.SetText(title);
    if (group->titleSelected) {
        list.SetSelStart(0);
        list.SetSelLength(static_cast<int>(title.size()));
    }
}

namespace {

bool HasRow(const CommandGroup& group, const std::string& text) {
    for (const char* row : group.rows)
        if (text == row) return true;
    return false;
}

} // namespace

void DispatchCommandListClick(CCalculatorDlg& dlg) {
    const std::string picked = dlg.CommandList().Text();
    const CommandGroup* group = FindCommandGroup(dlg.CurrentCommandList());
    if (!group) return;
    // Only a row of the group on show runs; for the registers this keeps any
    // other text in the box from becoming a file name.
    const bool row = HasRow(*group, picked);
    if (row && group->setsTypedEntryFirst && !dlg.SetTypedEntry()) return;
    const bool setBefore = dlg.IsSetState();
    const unsigned long changesBefore = dlg.CurrentMatrixChanges();
    if (group->bringsSetMatrix) dlg.EnterSetState();
    if (row) {
        const std::string caption = group->failureCaption ? group->failureCaption : picked;
        dlg.RunCommand(
            [&] {
                if (group->runWithRowText)
                    group->runWithRowText(dlg, picked);
                else if (const CommandOperation run = FindCommandOperation(picked))
                    run(dlg);
            },
            caption);
    }
    // A group that brings a matrix but left the current one as it was
    // leaves the entry state as it was too.
    if (group->bringsSetMatrix && dlg.CurrentMatrixChanges() == changesBefore)
        setBefore ? dlg.EnterSetState() : dlg.EnterEditingState();
    if (!group->keepsPickedRow) ShowCommandList(dlg, group->kind);
    dlg.Host().SetFocusTo(IDC_OPTIONS_CAPTION);
}
