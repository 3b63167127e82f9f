#include "scripting/scripted_calculator.h"

#include <algorithm>
#include <utility>

#include "commands/command_tables.h"
#include "commands/menu_tables.h"
#include "platform/line_breaks.h"
#include "scripting/script_error.h"
#include "scripting/script_text.h"

namespace {

constexpr int kRightButton = 2;

} // namespace

ScriptedCalculator::ScriptedCalculator(std::ostream& transcript)
    : host(transcript),
      dlg(host,
          CalculatorControls{display, status, commandList, widthBox, decimalBox, widthSpin,
                             decimalSpin, notice},
          CalculatorCommandTables()) {
    dlg.OnInitDialog();
}

void ScriptedCalculator::Type(char key) {
    const int keyAscii = key == '\n' ? '\r' : static_cast<unsigned char>(key);
    if (dlg.OnKeyPress(keyAscii)) return;
    display.TypeKey(key);
    dlg.OnDisplayChange();
}

void ScriptedCalculator::PasteIntoEmptyDisplay(std::string text) {
    // Text copied from a display already has its breaks as CR LF.
    if (!HasOnlyCrLf(text)) text = CrLfText(text);
    display.ReplaceText(std::move(text));
    dlg.OnDisplayChange();
}

void ScriptedCalculator::Pick(const std::string& row) {
    const std::vector<std::string>& items = commandList.Items();
    if (std::find(items.begin(), items.end(), row) == items.end())
        throw ScriptError{"the command list has no row " + Quote(row)};
    commandList.Pick(row);
    dlg.OnCommandListClick();
}

void ScriptedCalculator::ChooseMenuCommand(int id) {
    switch (PopupHolding(id)) {
    case IDR_FORMAT_MENU:
        host.QueueMenuChoice(id);
        dlg.OnButton(IDC_FORMAT);
        break;
    case IDR_CONSTANTS_MENU:
        host.QueueMenuChoice(id);
        dlg.OnButton(IDC_CONST);
        break;
    case IDR_EDIT_MENU:
        host.QueueMenuChoice(id);
        dlg.OnDisplayMouseUp(kRightButton, 0, 0);
        break;
    default:
        if (!FindMenuItem(FindMenu(IDR_MENU_BAR)->rows, id).row)
            throw ScriptError{"no menu has the command " + std::to_string(id)};
        dlg.OnMenuCommand(id);
        return;
    }
    if (host.MenuChoicePending()) throw ScriptError{"no menu showed item " + std::to_string(id)};
}
