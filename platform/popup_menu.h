#pragma once
// A popup menu as plain data: the core builds it with the item states in
// force, the window (or the scripted host) shows it and returns the chosen id.

#include <string>
#include <vector>

struct PopupMenuItem {
    std::string text; // with the '&' mnemonic marker, e.g. "Cu&t"
    int id = 0;       // command id sent when chosen; 0 for separators and submenus
    bool checked = false;
    bool checkable = false; // shows a check mark when checked, room for one when not
    bool greyed = false;
    bool separator = false;
    std::vector<PopupMenuItem> submenu; // non-empty: the item opens this submenu

    bool IsSubmenu() const { return !submenu.empty(); }
};

struct PopupMenu {
    std::string title; // e.g. "_FORMAT_"; the menu bar's popups are the items' texts
    std::vector<PopupMenuItem> items;
};
