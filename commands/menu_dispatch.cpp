#include <optional>

#include "calculator/calculator_dlg.h"
#include "commands/command_dispatch.h"
#include "commands/menu_tables.h"

namespace {

FormatCheck CheckedFormat(const CCalculatorDlg& dlg) {
    switch (dlg.FormatInForce()) {
    case NumberFormat::Default:
        return FormatCheck::Default;
    case NumberFormat::Fixed:
        return FormatCheck::Fixed;
    case NumberFormat::Exponential:
        return FormatCheck::Exponential;
    }
    return FormatCheck::Default;
}

EditMenuState CurrentEditState(CCalculatorDlg& dlg) {
    const bool empty = dlg.Display().Text().empty();
    return EditMenuState{dlg.CanUndo(), !empty && dlg.DisplayHasSelection(), dlg.DisplayCanPaste(),
                         !empty && !dlg.DisplaySelectsAll()};
}

void RunFormatChoice(CCalculatorDlg& dlg, const FormatChoice& choice) {
    switch (choice.kind) {
    case FormatChoice::Kind::Default:
        dlg.OnFormatDefault();
        break;
    case FormatChoice::Kind::Fixed:
        dlg.OnFormatFixed(choice.digits);
        break;
    case FormatChoice::Kind::Exponential:
        dlg.OnFormatExponential(choice.digits);
        break;
    case FormatChoice::Kind::Truncate:
        dlg.OnFormatTruncate(choice.digits);
        break;
    }
}

// Runs an Edit item unless its state greys it, whichever way it was chosen.
void RunEditCommand(CCalculatorDlg& dlg, int id) {
    const EditMenuState state = CurrentEditState(dlg);
    switch (id) {
    case ID_EDIT_UNDO:
        if (state.canUndo) dlg.OnEditUndo();
        break;
    case ID_EDIT_CUT:
        if (state.hasSelection) dlg.OnEditCut();
        break;
    case ID_EDIT_COPY:
        if (state.hasSelection) dlg.OnEditCopy();
        break;
    case ID_EDIT_PASTE:
        if (state.canPaste) dlg.OnEditPaste();
        break;
    case ID_EDIT_DELETE:
        if (state.hasSelection) dlg.OnEditDelete();
        break;
    case ID_EDIT_SELECT_ALL:
        if (state.canSelectAll) dlg.OnEditSelectAll();
        break;
    }
}

std::optional<PopupMenu> BuildPopup(CCalculatorDlg& dlg, int menuResourceId) {
    switch (menuResourceId) {
    case IDR_FORMAT_MENU:
        return FormatMenu(CheckedFormat(dlg));
    case IDR_CONSTANTS_MENU:
        return ConstantsMenu();
    case IDR_EDIT_MENU:
        return EditMenu(CurrentEditState(dlg));
    }
    return std::nullopt;
}

} // namespace

void ShowPopupMenu(CCalculatorDlg& dlg, int x, int y, int menuResourceId) {
    const std::optional<PopupMenu> menu = BuildPopup(dlg, menuResourceId);
    if (!menu) return;
    const int id = dlg.Host().TrackPopupMenu(*menu, x, y);
    if (id != 0) DispatchMenuCommand(dlg, id);
}

void DispatchMenuCommand(CCalculatorDlg& dlg, int id) {
    if (const std::optional<FormatChoice> choice = FormatChoiceForId(id)) {
        RunFormatChoice(dlg, *choice);
        return;
    }
    switch (id) {
    case ID_EDIT_UNDO:
    case ID_EDIT_CUT:
    case ID_EDIT_COPY:
    case ID_EDIT_PASTE:
    case ID_EDIT_DELETE:
    case ID_EDIT_SELECT_ALL:
        RunEditCommand(dlg, id);
        break;
    case ID_HELP_ABOUT:
        dlg.Host().ShowAboutBox();
        break;
    case ID_HELP_CONTENTS:
        dlg.Host().ShowHelp(kHelpContentsContext);
        break;
    case ID_APP_EXIT:
        dlg.Host().CloseWindow();
        break;
    default:
        // The constants and the document and print commands of the File
        // menu come with their own folders.
        break;
    }
}
