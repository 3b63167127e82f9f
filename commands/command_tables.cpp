#include "commands/command_tables.h"

#include "commands/buttons.h"
#include "commands/command_dispatch.h"
#include "commands/menu_tables.h"
#include "operations/documents/exchange_commands.h"
#include "operations/procedures/pending_procedures.h"

namespace {

class CommandTables final : public CalculatorCommands {
  public:
    void PressButton(Calculator& calculator, int controlId) override {
        ::PressButton(calculator, controlId);
    }
    void PickCommandListRow(Calculator& calculator) override {
        DispatchCommandListClick(calculator);
    }
    void RunMenuCommand(Calculator& calculator, int id) override {
        DispatchMenuCommand(calculator, id);
    }
    void ShowEditMenu(Calculator& calculator, int x, int y) override {
        ShowPopupMenu(calculator, x, y, IDR_EDIT_MENU);
    }
    void ShowCommandList(Calculator& calculator, CommandListKind kind) override {
        ::ShowCommandList(calculator, kind);
    }
    EqualsOutcome FinishPending(Calculator& calculator, PendingOperation operation,
                                const NEWMAT::Matrix& a, const NEWMAT::Matrix& b,
                                NEWMAT::Matrix& result) override {
        return FinishPendingProcedure(calculator, operation, a, b, result);
    }
    void ImportFile(Calculator& calculator, const std::string& path) override {
        ImportMatrixFrom(calculator, path);
    }
};

} // namespace

CalculatorCommands& CalculatorCommandTables() {
    static CommandTables tables;
    return tables;
}
