#pragma once
// The groups of the command list: title, rows in list order, and the
// operation each row runs. A row whose operation is still to come has none
// and is ignored when picked.

#include <span>
#include <string>

#include "commands/command_dispatch.h"

using CommandOperation = void (*)(CCalculatorDlg&);

struct CommandRow {
    const char* text;
    CommandOperation run; // nullptr: listed, runs nothing yet
};

struct CommandGroup {
    CommandListKind kind;
    const char* title; // nullptr: the title depends on the dialog's state
    bool titleSelected;
    std::span<const CommandRow> rows;
};

// The group of this kind, or nullptr for a value that names none.
const CommandGroup* FindCommandGroup(int kind);

// The title the command list shows for the group in the dialog's state.
std::string CommandGroupTitle(const CommandGroup& group, const CCalculatorDlg& dlg);
