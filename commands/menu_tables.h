#pragma once
// The four menu resources of the calculator as tables of rows: each item is
// one row holding its text, its command id, what choosing it does and the
// rules that grey or check it. The core shows 133, 136 and 140 as popups;
// the window builds its menu bar from 143.

#include <span>

#include "platform/popup_menu.h"

class Calculator;

enum MenuResourceId : int {
    IDR_FORMAT_MENU = 133,
    IDR_CONSTANTS_MENU = 136,
    IDR_EDIT_MENU = 140,
    IDR_MENU_BAR = 143,
};

// Command ids of the menus. The numbered Format items and the constants
// carry theirs in their rows.
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
    ID_VIEW_ALIGN_COLUMNS = 33001,
    ID_VIEW_PICTURE = 33002,
    ID_FORMAT_FRACTION = 33027,
    ID_VIEW_STEPS = 33028,
    // Edit > Copy As, in the order of CopyNotation (interchange/notation_writing.h).
    ID_EDIT_COPY_AS_LATEX = 33020,
    ID_EDIT_COPY_AS_NUMPY = 33021,
    ID_EDIT_COPY_AS_MATLAB = 33022,
    ID_EDIT_COPY_AS_MATLAB_LINE = 33023,
    ID_EDIT_COPY_AS_MATHEMATICA = 33024,
    ID_EDIT_COPY_AS_CSV = 33025,
    ID_EDIT_COPY_AS_MARKDOWN = 33026,
    ID_FILE_IMPORT = 33030,
    ID_FILE_EXPORT = 33031,
    ID_APP_EXIT = 57665,
};

// Help > Contents opens the user guide here.
constexpr int kHelpContentsContext = 2510;

using MenuHandler = void (*)(Calculator&);
using MenuRule = bool (*)(const Calculator&);
using NumberHandler = void (*)(Calculator&, int number);

// Items "first" ... "last" whose ids run consecutively from firstId.
struct NumberedRun {
    int first;
    int last;
    int firstId;
};

// A submenu of numbers: choosing one runs the handler with that number.
struct NumberedItems {
    NumberHandler run;
    NumberedRun runs[2];
};

struct MenuRow {
    const char* text = nullptr; // nullptr: a separator
    int id = 0;                 // 0 for separators and submenus
    MenuHandler run = nullptr;  // nullptr for separators and submenus
    MenuRule greyed = nullptr;  // nullptr: never greyed
    MenuRule checked = nullptr; // nullptr: never checked
    std::span<const MenuRow> submenu = {};
    const NumberedItems* numbers = nullptr; // a submenu of numbers
};

struct Menu {
    MenuResourceId resource;
    const char* title; // nullptr for the menu bar
    std::span<const MenuRow> rows;
};

// An item found by command id: its row, and for a numbered submenu the number.
struct MenuItemFound {
    const MenuRow* row = nullptr; // nullptr: no item has the id
    int number = 0;
};

// The item with this command id among the rows and their submenus.
MenuItemFound FindMenuItem(std::span<const MenuRow> rows, int commandId);

// The menu of this resource id, or nullptr.
const Menu* FindMenu(int resourceId);

// The popup resource (Format, Constants or Edit) whose items hold this
// command id, or 0 for an id of the menu bar or of no menu.
int PopupHolding(int commandId);

// The menu as the host shows it, with the item states in force.
PopupMenu BuildMenu(const Menu& menu, const Calculator& calculator);
