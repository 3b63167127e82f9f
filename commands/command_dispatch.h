#pragma once
// The command list and the resource popups of the calculator dialog. The
// dialog forwards its command-list click and menu commands here; every text
// and id they use lives in the tables of this folder.

#include "calculator/calculator_commands.h"

// Refills the command list with one group and writes its title.
void ShowCommandList(Calculator& calculator, CommandListKind kind);

// Runs the row picked in the command list, then readies the list again.
void DispatchCommandListClick(Calculator& calculator);

// Shows menu resource 133 (Format), 136 (Constants) or 140 (Edit) at the
// screen point (x, y) with its item states, and runs the chosen item.
void ShowPopupMenu(Calculator& calculator, int x, int y, int menuResourceId);

// Runs the menu command with this id (Format, Constants, Edit, File, Help).
void DispatchMenuCommand(Calculator& calculator, int id);
