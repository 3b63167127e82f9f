#pragma once
// The four menu resources of the calculator as tables: texts, command ids
// and submenus. The core shows 133, 136 and 140 as popups; the window builds
// its menu bar from 143.

#include <optional>

#include "platform/popup_menu.h"

enum MenuResourceId : int {
    IDR_FORMAT_MENU = 133,
    IDR_CONSTANTS_MENU = 136,
    IDR_EDIT_MENU = 140,
    IDR_MENU_BAR = 143,
};

// Command ids of the Edit popup and the menu bar. The Format and Constants
// ids are in their tables (FormatChoiceForId, kConstants).
enum MenuCommandId : int {
    ID_FORMAT_DEFAULT = 32771,
    ID_EDIT_UNDO = 32829,
    ID_EDIT_CUT = 32830,
    ID_EDIT_PASTE = 32831,
    ID_EDIT_COPY = 32832,
    ID_EDIT_DELETE = 32833,
    ID_EDIT_SELECT_ALL = 32834,
    ID_FILE_NEW = 32835,
    ID_FILE_OPEN = 32836,
    ID_FILE_SAVE = 32837,
    ID_FILE_SAVE_AS = 32838,
    ID_FILE_PRINT = 32839,
    ID_HELP_ABOUT = 32840,
    ID_HELP_CONTENTS = 32841,
    ID_APP_EXIT = 57665,
};

// Help > Contents opens the user guide here.
constexpr int kHelpContentsContext = 2510;

// A choice of the Format popup.
struct FormatChoice {
    enum class Kind { Default, Fixed, Exponential, Truncate };
    Kind kind;
    int digits; // decimals for Fixed and Exponential, digits for Truncate
};

// The Format choice of a command id, or nullopt for any other id.
std::optional<FormatChoice> FormatChoiceForId(int id);

// Positions of the Format popup that carry the check mark.
enum class FormatCheck { Default = 0, Fixed = 1, Exponential = 2 };

struct ConstantItem {
    const char* text;
    int id;
};
extern const ConstantItem kConstants[15];

// Item states of the Edit popup: what may be chosen now.
struct EditMenuState {
    bool canUndo;
    bool hasSelection; // Cut, Copy and Delete
    bool canPaste;
    bool canSelectAll;
};

PopupMenu FormatMenu(FormatCheck checked);
PopupMenu ConstantsMenu();
PopupMenu EditMenu(const EditMenuState& state);
// The menu bar: its items are the "File" and "Help" submenus.
PopupMenu MenuBar();
