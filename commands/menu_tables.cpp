#include "commands/menu_tables.h"

#include <string>

namespace {

// A run of numbered items "first" ... "last" whose ids run consecutively
// from firstId; each submenu of the Format popup is two such runs.
struct NumberedRun {
    int first;
    int last;
    int firstId;
};

struct NumberedSubmenu {
    const char* text;
    FormatChoice::Kind kind;
    NumberedRun runs[2];
};

constexpr int kFormatSubmenuCount = 3;
constexpr NumberedSubmenu kFormatSubmenus[kFormatSubmenuCount] = {
    {"&Fixed Point", FormatChoice::Kind::Fixed, {{1, 12, 32784}, {13, 16, 32821}}},
    {"E&xponential", FormatChoice::Kind::Exponential, {{1, 12, 32772}, {13, 16, 32825}}},
    {"&Truncate", FormatChoice::Kind::Truncate, {{0, 8, 32812}, {9, 12, 32842}}},
};

PopupMenuItem Command(const char* text, int id, bool greyed = false) {
    PopupMenuItem item;
    item.text = text;
    item.id = id;
    item.greyed = greyed;
    return item;
}

PopupMenuItem Separator() {
    PopupMenuItem item;
    item.separator = true;
    return item;
}

PopupMenuItem Submenu(const char* text, std::vector<PopupMenuItem> items) {
    PopupMenuItem item;
    item.text = text;
    item.submenu = std::move(items);
    return item;
}

PopupMenuItem NumberedSubmenuItem(const NumberedSubmenu& submenu) {
    std::vector<PopupMenuItem> items;
    for (const NumberedRun& run : submenu.runs)
        for (int n = run.first; n <= run.last; ++n) {
            PopupMenuItem item;
            item.text = std::to_string(n);
            item.id = run.firstId + (n - run.first);
            items.push_back(std::move(item));
        }
    return Submenu(submenu.text, std::move(items));
}

} // namespace

const ConstantItem kConstants[15] = {
    {"pi", 32802},
    {"e (Euler's constant)", 32803},
    {"Avogadro const. [1/kmol]", 32796},
    {"Boltzmann constant [J/k]", 32797},
    {"Electron classical radius [m]", 32798},
    {"Electron mass [kg]", 32799},
    {"Elementary charge [C]", 32800},
    {"Gravity Constant [N.m2/kg2]", 32801},
    {"Muon mass [kg]", 32811},
    {"Planck const; h [J.s]", 32804},
    {"Proton mass [kg]", 32805},
    {"Rydberg constant [1/m]", 32806},
    {"Speed of light [m/s]", 32807},
    {"Vacuum permeability [N/A2]", 32810},
    {"Vacuum permittivity [F/m]", 32809},
};

std::optional<FormatChoice> FormatChoiceForId(int id) {
    if (id == ID_FORMAT_DEFAULT) return FormatChoice{FormatChoice::Kind::Default, 0};
    for (const NumberedSubmenu& submenu : kFormatSubmenus)
        for (const NumberedRun& run : submenu.runs) {
            if (id < run.firstId || id - run.firstId > run.last - run.first) continue;
            return FormatChoice{submenu.kind, run.first + (id - run.firstId)};
        }
    return std::nullopt;
}

PopupMenu FormatMenu(FormatCheck checked) {
    PopupMenu menu;
    menu.title = "_FORMAT_";
    menu.items.push_back(Command("&Default", ID_FORMAT_DEFAULT));
    menu.items.push_back(NumberedSubmenuItem(kFormatSubmenus[0]));
    menu.items.push_back(NumberedSubmenuItem(kFormatSubmenus[1]));
    menu.items.push_back(Separator());
    menu.items.push_back(NumberedSubmenuItem(kFormatSubmenus[2]));
    menu.items[static_cast<int>(checked)].checked = true;
    return menu;
}

PopupMenu ConstantsMenu() {
    PopupMenu menu;
    menu.title = "_CONSTANTS_";
    for (const ConstantItem& constant : kConstants)
        menu.items.push_back(Command(constant.text, constant.id));
    return menu;
}

PopupMenu EditMenu(const EditMenuState& state) {
    PopupMenu menu;
    menu.title = "_EDIT_";
    menu.items = {
        Command("&Undo", ID_EDIT_UNDO, !state.canUndo),
        Separator(),
        Command("Cu&t", ID_EDIT_CUT, !state.hasSelection),
        Command("&Copy", ID_EDIT_COPY, !state.hasSelection),
        Command("&Paste", ID_EDIT_PASTE, !state.canPaste),
        Command("&Delete", ID_EDIT_DELETE, !state.hasSelection),
        Separator(),
        Command("Select &All", ID_EDIT_SELECT_ALL, !state.canSelectAll),
    };
    return menu;
}

PopupMenu MenuBar() {
    PopupMenu menu;
    menu.items = {
        Submenu("File", {Command("&New", ID_FILE_NEW), Command("&Open", ID_FILE_OPEN),
                         Command("&Save", ID_FILE_SAVE), Command("Save &As...", ID_FILE_SAVE_AS),
                         Separator(), Command("&Print", ID_FILE_PRINT), Separator(),
                         Command("E&xit", ID_APP_EXIT)}),
        Submenu("Help", {Command("About", ID_HELP_ABOUT), Separator(),
                         Command("&Contents", ID_HELP_CONTENTS)}),
    };
    return menu;
}
