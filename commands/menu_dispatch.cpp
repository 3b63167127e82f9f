#include "calculator/calculator.h"
#include "commands/command_dispatch.h"
#include "commands/menu_tables.h"

void ShowPopupMenu(Calculator& calculator, int x, int y, int menuResourceId) {
    const Menu* menu = FindMenu(menuResourceId);
    if (!menu) return;
    const int id = calculator.Host().TrackPopupMenu(BuildMenu(*menu, calculator), x, y);
    if (id != 0) DispatchMenuCommand(calculator, id);
}

// A greyed item never runs, whichever way it was chosen.
void DispatchMenuCommand(Calculator& calculator, int id) {
    for (const int resource : {IDR_FORMAT_MENU, IDR_CONSTANTS_MENU, IDR_EDIT_MENU, IDR_MENU_BAR}) {
        const MenuItemFound found = FindMenuItem(FindMenu(resource)->rows, id);
        if (!found.row) continue;
        const MenuRow& row = *found.row;
        calculator.RunCommand(
            [&] {
                if (row.numbers)
                    row.numbers->run(calculator, found.number);
                else if (row.run && !(row.greyed && row.greyed(calculator)))
                    row.run(calculator);
            },
            row.text ? row.text : "");
        return;
    }
}
