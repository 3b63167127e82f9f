#include "calculator/calculator_dlg.h"
#include "commands/command_dispatch.h"
#include "commands/menu_tables.h"

void ShowPopupMenu(CCalculatorDlg& dlg, int x, int y, int menuResourceId) {
    const Menu* menu = FindMenu(menuResourceId);
    if (!menu) return;
    const int id = dlg.Host().TrackPopupMenu(BuildMenu(*menu, dlg), x, y);
    if (id != 0) DispatchMenuCommand(dlg, id);
}

// A greyed item never runs, whichever way it was chosen.
void DispatchMenuCommand(CCalculatorDlg& dlg, int id) {
    for (const int resource : {IDR_FORMAT_MENU, IDR_CONSTANTS_MENU, IDR_EDIT_MENU, IDR_MENU_BAR}) {
        const MenuItemFound found = FindMenuItem(FindMenu(resource)->rows, id);
        if (!found.row) continue;
        const MenuRow& row = *found.row;
        dlg.RunCommand(
            [&] {
                if (row.numbers)
                    row.numbers->run(dlg, found.number);
                else if (row.run && !(row.greyed && row.greyed(dlg)))
                    row.run(dlg);
            },
            row.text ? row.text : "");
        return;
    }
}
