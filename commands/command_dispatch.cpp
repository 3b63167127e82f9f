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

void DispatchCommandListClick(CCalculatorDlg& dlg) {
    const std::string picked = dlg.CommandList().Text();
    const int kind = dlg.CurrentCommandList();
    switch (kind) {
    case Store:
        dlg.RunCommand([&] { dlg.StoreRegister(picked); });
        break;
    case Recall:
        dlg.Display().SetForeColor(kSetColor);
        dlg.RunCommand([&] { dlg.RecallRegister(picked); });
        dlg.ResetCaption();
        break;
    default:
        if (kind == Create) dlg.Display().SetForeColor(kSetColor);
        if (const CommandGroup* group = FindCommandGroup(kind))
            for (const CommandRow& row : group->rows)
                if (picked == row.text) {
                    if (row.run) dlg.RunCommand([&] { row.run(dlg); });
                    break;
                }
        break;
    }
    // A factorisation leaves its name in the box; every other group is shown
    // again, ready for the next choice.
    if (kind != Factor) ShowCommandList(dlg, static_cast<CommandListKind>(kind));
    dlg.Host().SetFocusTo(IDC_OPTIONS_CAPTION);
}
