#pragma once
// The groups of the command list: title, the rows in list order, and what
// the dispatch of a pick needs to know of the group. A row runs the
// operation exported under its text (FindCommandOperation): a member of the
// dialog, or an operation of an operation file (NamedCommand).

#include <span>
#include <string>
#include <string_view>

#include "commands/command_dispatch.h"

using CommandOperation = void (*)(Calculator&);

// An operation of a whole group that is given the picked row's text: the
// register rows of Store and Recall name the register.
using RowTextOperation = void (*)(Calculator&, const std::string& rowText);

struct CommandGroup {
    CommandListKind kind;
    const char* title; // nullptr: the title depends on the dialog's state
    bool titleSelected;
    std::span<const char* const> rows;
    RowTextOperation runWithRowText = nullptr;
    // Text typed over the shown matrix is set first (tests, procedures,
    // factorisations, Store work on what the user sees).
    bool setsTypedEntryFirst = false;
    // The group brings a new matrix, shown as set (Recall, Create); a pick
    // that changes nothing leaves the entry state as it was.
    bool bringsSetMatrix = false;
    // The picked row's text stays in the box (Factor) instead of the group
    // being shown again.
    bool keepsPickedRow = false;
    // The caption of the box that reports a failure such as "Not enough
    // memory"; nullptr: the picked row's text.
    const char* failureCaption = nullptr;
};

// The operation of the row with this text, or nullptr when none has it.
CommandOperation FindCommandOperation(std::string_view text);

// The group of this kind, or nullptr for a value that names none.
const CommandGroup* FindCommandGroup(int kind);

// The title the command list shows for the group in the dialog's state.
std::string CommandGroupTitle(const CommandGroup& group, const Calculator& calculator);
