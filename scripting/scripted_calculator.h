#pragma once
// The calculator core with scripted controls and host: what zenscript runs
// and what unit tests drive.

#include <ostream>

#include "calculator/calculator_dlg.h"
#include "calculator/control_ids.h"
#include "scripting/scripted_controls.h"
#include "scripting/scripted_host.h"

struct ScriptedCalculator {
    // Builds the controls and the dialog and runs its initialisation.
    explicit ScriptedCalculator(std::ostream& transcript);
    ScriptedCalculator(const ScriptedCalculator&) = delete;
    ScriptedCalculator& operator=(const ScriptedCalculator&) = delete;

    // A key typed into the display: the dialog takes it, or the box edits
    // itself and reports the change.
    void Type(char key);
    // The text as pasting it into an empty display gives it (line breaks as CR LF).
    void PasteIntoEmptyDisplay(std::string text);
    // Picks the command-list row with exactly this text; throws ScriptError
    // when the list holds no such row.
    void Pick(const std::string& row);
    // Chooses a menu command. Items of the Format, Constants and Edit popups
    // are chosen by opening their popup as the user would (Format button,
    // Const button, right mouse button on the display), so greyed items are
    // refused; the menu bar's ids go to the dialog's command map. An id of no
    // menu throws ScriptError.
    void ChooseMenuCommand(int id);

    ScriptedHost host;
    ScriptedText display{host, IDC_DISPLAY};
    ScriptedLabel status;
    ScriptedCombo commandList;
    ScriptedText widthBox{host, IDC_WIDTH_BOX};
    ScriptedText decimalBox{host, IDC_DECIMAL_BOX};
    ScriptedSpin widthSpin;
    ScriptedSpin decimalSpin;
    ScriptedLabel notice;
    CCalculatorDlg dlg;
    // The same calculator as the command layer sees it.
    Calculator& core = dlg;
};
