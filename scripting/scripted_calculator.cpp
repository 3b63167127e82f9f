#include "scripting/scripted_calculator.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "commands/command_tables.h"
#include "commands/menu_tables.h"
#include "scripting/script_error.h"
#include "scripting/script_text.h"

namespace {

constexpr int kRightButton = 2;

// Whether every line break of `text` is already a CR LF pair. Each line is
// searched for a LF just after it was searched for its CR, while it is still
// in the cache, so a long text is read from memory once.
bool HasOnlyCrLf(const std::string& text) {
    const char* p = text.data();
    const char* const end = p + text.size();
    while (p < end) {
        const auto* cr = static_cast<const char*>(std::memchr(p, '\r', end - p));
        const char* const lineEnd = cr ? cr : end;
        if (std::memchr(p, '\n', lineEnd - p)) return false;
        if (!cr) break;
        if (cr + 1 == end || cr[1] != '\n') return false;
        p = cr + 2;
    }
    return true;
}

std::string WithCrLf(std::string text) {
    // Text copied from a display already has its breaks as CR LF.
    if (HasOnlyCrLf(text)) return text;
    std::string result;
    result.reserve(text.size() + text.size() / 16);
    // Whole stretches between line breaks are copied at once.
    const char* p = text.data();
    const char* const end = p + text.size();
    while (p < end) {
        const auto* lf = static_cast<const char*>(std::memchr(p, '\n', end - p));
        if (!lf) lf = end;
        const auto* cr = static_cast<const char*>(std::memchr(p, '\r', lf - p));
        const char* brk = cr ? cr : lf;
        result.append(p, brk);
        if (brk == end) break;
        result += "\r\n";
        // A CR LF pair is one break.
        p = brk + (cr && cr + 1 == lf ? 2 : 1);
    }
    return result;
}

} // namespace

ScriptedCalculator::ScriptedCalculator(std::ostream& transcript)
    : host(transcript),
      dlg(host,
          CalculatorControls{display, status, commandList, widthBox, decimalBox, widthSpin,
                             decimalSpin},
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
    display.ReplaceText(WithCrLf(std::move(text)));
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
