#pragma once
// The command list and the resource popups of the calculator dialog. The
// dialog forwards its command-list click and menu commands here; every text
// and id they use lives in the tables of this folder.

class CCalculatorDlg;

// The values are stored and compared by the dialog, so they are fixed.
enum CommandListKind {
    Tests = 1,
    MultiplyMode = 2,
    DisplayOptions = 3,
    Store = 4,
    Recall = 5,
    Procedures = 6,
    Mode = 7,
    Create = 9,
    Factor = 12
};

// Refills the command list with one group and writes its title.
void ShowCommandList(CCalculatorDlg& dlg, CommandListKind kind);

// Runs the row picked in the command list, then readies the list again.
void DispatchCommandListClick(CCalculatorDlg& dlg);

// Shows menu resource 133 (Format), 136 (Constants) or 140 (Edit) at the
// screen point (x, y) with its item states, and runs the chosen item.
void ShowPopupMenu(CCalculatorDlg& dlg, int x, int y, int menuResourceId);

// Runs the menu command with this id (Format, Constants, Edit, File, Help).
void DispatchMenuCommand(CCalculatorDlg& dlg, int id);
