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
    for (const CommandRow& row : group->rows)
        list.AddItem(row.text);
    const std::string title = CommandGroupTitle(*group, dlg);
    list.SetText(title);
    if (group->titleSelected) {
        list.SetSelStart(0);
        list.SetSelLength(static_cast<int>(title.size()));
    }
}

namespace {

const CommandRow* FindRow(int kind, const std::string& text) {
    const CommandGroup* group = FindCommandGroup(kind);
    if (!group) return nullptr;
    for (const CommandRow& row : group->rows)
        if (text == row.text) return &row;
    return nullptr;
}

} // namespace

void DispatchCommandListClick(CCalculatorDlg& dlg) {
    const std::string picked = dlg.CommandList().Text();
    const int kind = dlg.CurrentCommandList();
    // Only a row of the group on show runs; for the registers this keeps any
    // other text in the box from becoming a file name.
    const CommandRow* row = FindRow(kind, picked);
    // Recall and the creations show their matrix as set; one that leaves the
    // current matrix as it was leaves the entry state as it was too.
    const bool setBefore = dlg.IsSetState();
    const unsigned long changesBefore = dlg.CurrentMatrixChanges();
    switch (kind) {
    case Store:
        if (row) dlg.RunCommand([&] { dlg.StoreRegister(picked); }, "Store");
        break;
    case Recall:
        dlg.EnterSetState();
        if (row) dlg.RunCommand([&] { dlg.RecallRegister(picked); }, "Recall");
        dlg.ResetCaption();
        break;
    default:
        if (kind == Create) dlg.EnterSetState();
        if (row && row->run) dlg.RunCommand([&] { row->run(dlg); }, row->text);
        break;
    }
    if ((kind == Recall || kind == Create) && dlg.CurrentMatrixChanges() == changesBefore)
        setBefore ? dlg.EnterSetState() : dlg.EnterEditingState();
    // A factorisation leaves its name in the box; every other group is shown
    // again, ready for the next choice.
    if (kind != Factor) ShowCommandList(dlg, static_cast<CommandListKind>(kind));
    dlg.Host().SetFocusTo(IDC_OPTIONS_CAPTION);
}
