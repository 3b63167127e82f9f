#include "commands/menu_tables.h"

#include <string>

#include "commands/dialog_members.h"
#include "matrixlib/elements.h"
#include "operations/conversions/constants.h"
#include "operations/documents/document_commands.h"
#include "operations/documents/print_command.h"

namespace {

using D = CCalculatorDlg;

// ---- Format (133)

bool FormatIs(const CCalculatorDlg& dlg, NumberFormat format) {
    return dlg.FormatInForce() == format;
}
bool DefaultInForce(const CCalculatorDlg& dlg) {
    return FormatIs(dlg, NumberFormat::Default);
}
bool FixedInForce(const CCalculatorDlg& dlg) {
    return FormatIs(dlg, NumberFormat::Fixed);
}
bool ExponentialInForce(const CCalculatorDlg& dlg) {
    return FormatIs(dlg, NumberFormat::Exponential);
}

constexpr NumberedItems kFixedItems{
    RunWithNumber<&D::OnFormatFixed>,
    {{1, 12, 32784}, {13, 16, 32821}}};
constexpr NumberedItems kExponentialItems{
    RunWithNumber<&D::OnFormatExponential>,
    {{1, 12, 32772}, {13, 16, 32825}}};
constexpr NumberedItems kTruncateItems{
    RunWithNumber<&D::OnFormatTruncate>,
    {{0, 8, 32812}, {9, 12, 32842}}};

constexpr MenuRow kFormatRows[] = {
    {.text = "&Default",
     .id = ID_FORMAT_DEFAULT,
     .run = Run<&D::OnFormatDefault>,
     .checked = DefaultInForce},
    {.text = "&Fixed Point", .checked = FixedInForce, .numbers = &kFixedItems},
    {.text = "E&xponential", .checked = ExponentialInForce, .numbers = &kExponentialItems},
    {},
    {.text = "&Truncate", .numbers = &kTruncateItems},
};

// ---- Constants (136)

// The value each item inserts: CODATA 2018, SI units (Avogadro per
// kilomole); pi and e to full double precision.
constexpr MenuRow kConstantRows[] = {
    {"pi", 32802, [](D& dlg) { InsertConstant(dlg, kPi); }},
    {"e (Euler's constant)", 32803, [](D& dlg) { InsertConstant(dlg, 2.718281828459045); }},
    {"Avogadro const. [1/kmol]", 32796, [](D& dlg) { InsertConstant(dlg, 6.02214076e+26); }},
    {"Boltzmann constant [J/k]", 32797, [](D& dlg) { InsertConstant(dlg, 1.380649e-23); }},
    {"Electron classical radius [m]", 32798, [](D& dlg) { InsertConstant(dlg, 2.8179403262e-15); }},
    {"Electron mass [kg]", 32799, [](D& dlg) { InsertConstant(dlg, 9.1093837015e-31); }},
    {"Elementary charge [C]", 32800, [](D& dlg) { InsertConstant(dlg, 1.602176634e-19); }},
    {"Gravity Constant [N.m2/kg2]", 32801, [](D& dlg) { InsertConstant(dlg, 6.6743e-11); }},
    {"Muon mass [kg]", 32811, [](D& dlg) { InsertConstant(dlg, 1.883531627e-28); }},
    {"Planck const; h [J.s]", 32804, [](D& dlg) { InsertConstant(dlg, 6.62607015e-34); }},
    {"Proton mass [kg]", 32805, [](D& dlg) { InsertConstant(dlg, 1.67262192369e-27); }},
    {"Rydberg constant [1/m]", 32806, [](D& dlg) { InsertConstant(dlg, 10973731.56816); }},
    {"Speed of light [m/s]", 32807, [](D& dlg) { InsertConstant(dlg, 299792458.0); }},
    {"Vacuum permeability [N/A2]", 32810, [](D& dlg) { InsertConstant(dlg, 1.25663706212e-06); }},
    {"Vacuum permittivity [F/m]", 32809, [](D& dlg) { InsertConstant(dlg, 8.8541878128e-12); }},
};

// ---- Edit (140)

constexpr MenuRow kEditRows[] = {
    {"&Undo", ID_EDIT_UNDO, Run<&D::OnEditUndo>, Not<&D::CanUndo>},
    {},
    {"Cu&t", ID_EDIT_CUT, Run<&D::OnEditCut>, Not<&D::DisplayHasSelection>},
    {"&Copy", ID_EDIT_COPY, Run<&D::OnEditCopy>, Not<&D::DisplayHasSelection>},
    {"&Paste", ID_EDIT_PASTE, Run<&D::OnEditPaste>, Not<&D::DisplayCanPaste>},
    {"&Delete", ID_EDIT_DELETE, Run<&D::OnEditDelete>, Not<&D::DisplayHasSelection>},
    {},
    {"Select &All", ID_EDIT_SELECT_ALL, Run<&D::OnEditSelectAll>, Is<&D::DisplaySelectsAll>},
};

// ---- Menu bar (143)

constexpr MenuRow kFileRows[] = {
    {"&New", ID_FILE_NEW, OnFileNew},
    {"&Open", ID_FILE_OPEN, OnFileOpen},
    {"&Save", ID_FILE_SAVE, OnFileSave},
    {"Save &As...", ID_FILE_SAVE_AS, OnFileSaveAs},
    {},
    {"&Print", ID_FILE_PRINT, OnFilePrint},
    {},
    {"E&xit", ID_APP_EXIT, [](CCalculatorDlg& dlg) { dlg.Host().CloseWindow(); }},
};

constexpr MenuRow kViewRows[] = {
    {"Align Columns", ID_VIEW_ALIGN_COLUMNS, Run<&D::OnViewAlignColumns>, nullptr, Is<&D::AlignColumns>},
};

constexpr MenuRow kHelpRows[] = {
    {"About", ID_HELP_ABOUT, [](CCalculatorDlg& dlg) { dlg.Host().ShowAboutBox(); }},
    {},
    {"&Contents", ID_HELP_CONTENTS,
     [](CCalculatorDlg& dlg) { dlg.Host().ShowHelp(kHelpContentsContext); }},
};

constexpr MenuRow kMenuBarRows[] = {
    {.text = "File", .submenu = kFileRows},
    {.text = "View", .submenu = kViewRows},
    {.text = "Help", .submenu = kHelpRows},
};

constexpr Menu kMenus[] = {
    {IDR_FORMAT_MENU, "_FORMAT_", kFormatRows},
    {IDR_CONSTANTS_MENU, "_CONSTANTS_", kConstantRows},
    {IDR_EDIT_MENU, "_EDIT_", kEditRows},
    {IDR_MENU_BAR, nullptr, kMenuBarRows},
};

std::vector<PopupMenuItem> BuildItems(std::span<const MenuRow> rows, const CCalculatorDlg& dlg) {
    std::vector<PopupMenuItem> items;
    for (const MenuRow& row : rows) {
        PopupMenuItem item;
        if (!row.text) {
            item.separator = true;
            items.push_back(std::move(item));
            continue;
        }
        item.text = row.text;
        item.id = row.id;
        item.greyed = row.greyed && row.greyed(dlg);
        item.checked = row.checked && row.checked(dlg);
        item.checkable = row.checked != nullptr;
        item.submenu = BuildItems(row.submenu, dlg);
        if (row.numbers)
            for (const NumberedRun& run : row.numbers->runs)
                for (int n = run.first; n <= run.last; ++n) {
                    PopupMenuItem number;
                    number.text = std::to_string(n);
                    number.id = run.firstId + (n - run.first);
                    item.submenu.push_back(std::move(number));
                }
        items.push_back(std::move(item));
    }
    return items;
}

} // namespace

MenuItemFound FindMenuItem(std::span<const MenuRow> rows, int commandId) {
    if (commandId == 0) return {};
    for (const MenuRow& row : rows) {
        if (row.text && row.id == commandId) return {&row, 0};
        if (const MenuItemFound found = FindMenuItem(row.submenu, commandId); found.row)
            return found;
        if (!row.numbers) continue;
        for (const NumberedRun& run : row.numbers->runs)
            if (commandId >= run.firstId && commandId - run.firstId <= run.last - run.first)
                return {&row, run.first + (commandId - run.firstId)};
    }
    return {};
}

const Menu* FindMenu(int resourceId) {
    for (const Menu& menu : kMenus)
        if (menu.resource == resourceId) return &menu;
    return nullptr;
}

int PopupHolding(int commandId) {
    for (const Menu& menu : kMenus)
        if (menu.resource != IDR_MENU_BAR && FindMenuItem(menu.rows, commandId).row)
            return menu.resource;
    return 0;
}

PopupMenu BuildMenu(const Menu& menu, const CCalculatorDlg& dlg) {
    PopupMenu popup;
    if (menu.title) popup.title = menu.title;
    popup.items = BuildItems(menu.rows, dlg);
    return popup;
}
