#include "commands/command_tables.h"

#include "commands/buttons.h"
#include "commands/command_dispatch.h"
#include "commands/menu_tables.h"
#include "operations/procedures/pending_procedures.h"

namespace {

class CommandTables final : public CalculatorCommands {
  public:
    void PressButton(CCalculatorDlg& dlg, int controlId) override { ::PressButton(dlg, controlId); }
    void PickCommandListRow(CCalculatorDlg& dlg) override { DispatchCommandListClick(dlg); }
    void RunMenuCommand(CCalculatorDlg& dlg, int id) override { DispatchMenuCommand(dlg, id); }
    void ShowEditMenu(CCalculatorDlg& dlg, int x, int y) override {
        ShowPopupMenu(dlg, x, y, IDR_EDIT_MENU);
    }
    void ShowCommandList(CCalculatorDlg& dlg, CommandListKind kind) override {
        ::ShowCommandList(dlg, kind);
    }
    EqualsOutcome FinishPending(CCalculatorDlg& dlg, PendingOperation operation,
                                const NEWMAT::Matrix& a, const NEWMAT::Matrix& b,
                                NEWMAT::Matrix& result) override {
        return FinishPendingProcedure(dlg, operation, a, b, result);
    }
};

} // namespace

CalculatorCommands& CalculatorCommandTables() {
    static CommandTables tables;
    return tables;
}
