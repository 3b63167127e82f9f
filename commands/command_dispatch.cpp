#include "commands/command_dispatch.h"

#include <string>

#include "calculator/calculator.h"
#include "calculator/control_ids.h"
#include "commands/command_groups.h"

void ShowCommandList(Calculator& calculator, CommandListKind kind) {
    const CommandGroup* group = FindCommandGroup(kind);
    if (!group) return;
    calculator.SetCurrentCommandList(kind);
    CMdcCombo& list = calculator.CommandList();
    list.Clear();
    for (const char* row : group->rows)
        list.AddItem(row);
    const std::string title = CommandGroupTitle(*group, calculator);
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

void DispatchCommandListClick(Calculator& calculator) {
    const std::string picked = calculator.CommandList().Text();
    const CommandGroup* group = FindCommandGroup(calculator.CurrentCommandList());
    if (!group) return;
    // Only a row of the group on show runs; for the registers this keeps any
    // other text in the box from becoming a file name.
    const bool row = HasRow(*group, picked);
    if (row && group->setsTypedEntryFirst && !calculator.SetTypedEntry()) return;
    const bool setBefore = calculator.IsSetState();
    const unsigned long changesBefore = calculator.CurrentMatrixChanges();
    if (group->bringsSetMatrix) calculator.EnterSetState();
    if (row) {
        const std::string caption = group->failureCaption ? group->failureCaption : picked;
        calculator.RunCommand(
            [&] {
                if (group->runWithRowText)
                    group->runWithRowText(calculator, picked);
                else if (const CommandOperation run = FindCommandOperation(picked))
                    run(calculator);
            },
            caption);
    }
    // A group that brings a matrix but left the current one as it was
    // leaves the entry state as it was too.
    if (group->bringsSetMatrix && calculator.CurrentMatrixChanges() == changesBefore)
        setBefore ? calculator.EnterSetState() : calculator.EnterEditingState();
    if (!group->keepsPickedRow) ShowCommandList(calculator, group->kind);
    calculator.Host().SetFocusTo(IDC_OPTIONS_CAPTION);
}
