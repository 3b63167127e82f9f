#include "commands/menu_tables.h"

#include <array>
#include <iterator>
#include <string>
#include <utility>

#include "commands/calculator_members.h"
#include "matrixlib/elements.h"
#include "operations/conversions/constants.h"
#include "operations/documents/copy_as_command.h"
#include "operations/documents/document_commands.h"
#include "operations/documents/exchange_commands.h"
#include "operations/documents/print_command.h"
#include "operations/procedures/steps_window_command.h"

namespace {

// ---- Format (133)

bool FormatIs(const Calculator& calculator, NumberFormat format) {
    return calculator.FormatInForce() == format;
}
bool DefaultInForce(const Calculator& calculator) {
    return FormatIs(calculator, NumberFormat::Default);
}
bool FixedInForce(const Calculator& calculator) {
    return FormatIs(calculator, NumberFormat::Fixed);
}
bool ExponentialInForce(const Calculator& calculator) {
    return FormatIs(calculator, NumberFormat::Exponential);
}
bool FractionInForce(const Calculator& calculator) {
    return FormatIs(calculator, NumberFormat::Fraction);
}

constexpr NumberedItems kFixedItems{PressWithNumber<Key::FormatFixed>,
                                    {{1, 12, 32784}, {13, 16, 32821}}};
constexpr NumberedItems kExponentialItems{PressWithNumber<Key::FormatExponential>,
                                          {{1, 12, 32772}, {13, 16, 32825}}};
constexpr NumberedItems kTruncateItems{PressWithNumber<Key::FormatTruncate>,
                                       {{0, 8, 32812}, {9, 12, 32842}}};

constexpr MenuRow kFormatRows[] = {
    {.text = "&Default",
     .id = ID_FORMAT_DEFAULT,
     .run = Press<Key::FormatDefault>,
     .checked = DefaultInForce},
    {.text = "&Fixed Point", .checked = FixedInForce, .numbers = &kFixedItems},
    {.text = "E&xponential", .checked = ExponentialInForce, .numbers = &kExponentialItems},
    {.text = "F&raction",
     .id = ID_FORMAT_FRACTION,
     .run = Press<Key::FormatFraction>,
     .checked = FractionInForce},
    {},
    {.text = "&Truncate", .numbers = &kTruncateItems},
};

// ---- Constants (136)

// The value each item inserts: CODATA 2018, SI units (Avogadro per
// kilomole); pi and e to full double precision.
struct NamedConstant {
    const char* text;
    int id;
    double value;
};
constexpr NamedConstant kConstants[] = {
    {"pi", 32802, kPi},
    {"e (Euler's constant)", 32803, 2.718281828459045},
    {"Avogadro const. [1/kmol]", 32796, 6.02214076e+26},
    {"Boltzmann constant [J/k]", 32797, 1.380649e-23},
    {"Electron classical radius [m]", 32798, 2.8179403262e-15},
    {"Electron mass [kg]", 32799, 9.1093837015e-31},
    {"Elementary charge [C]", 32800, 1.602176634e-19},
    {"Gravity Constant [N.m2/kg2]", 32801, 6.6743e-11},
    {"Muon mass [kg]", 32811, 1.883531627e-28},
    {"Planck const; h [J.s]", 32804, 6.62607015e-34},
    {"Proton mass [kg]", 32805, 1.67262192369e-27},
    {"Rydberg constant [1/m]", 32806, 10973731.56816},
    {"Speed of light [m/s]", 32807, 299792458.0},
    {"Vacuum permeability [N/A2]", 32810, 1.25663706212e-06},
    {"Vacuum permittivity [F/m]", 32809, 8.8541878128e-12},
};

template <std::size_t index> void InsertNamedConstant(Calculator& calculator) {
    InsertConstant(calculator, kConstants[index].value);
}

template <std::size_t... index>
constexpr std::array<MenuRow, sizeof...(index)> ConstantRows(std::index_sequence<index...>) {
    return {{{kConstants[index].text, kConstants[index].id, InsertNamedConstant<index>}...}};
}

constexpr auto kConstantRows = ConstantRows(std::make_index_sequence<std::size(kConstants)>());

// ---- Edit (140)

constexpr MenuRule NoMatrix = Not<&Calculator::HasCurrentMatrix>;

// clang-format off
constexpr MenuRow kCopyAsRows[] = {
    {"&LaTeX", ID_EDIT_COPY_AS_LATEX, OnEditCopyAs<CopyNotation::Latex>, NoMatrix},
    {"&NumPy", ID_EDIT_COPY_AS_NUMPY, OnEditCopyAs<CopyNotation::Numpy>, NoMatrix},
    {"&MATLAB", ID_EDIT_COPY_AS_MATLAB, OnEditCopyAs<CopyNotation::Matlab>, NoMatrix},
    {"MATLAB (&one line)", ID_EDIT_COPY_AS_MATLAB_LINE, OnEditCopyAs<CopyNotation::MatlabLine>, NoMatrix},
    {"Ma&thematica", ID_EDIT_COPY_AS_MATHEMATICA, OnEditCopyAs<CopyNotation::Mathematica>, NoMatrix},
    {"&CSV", ID_EDIT_COPY_AS_CSV, OnEditCopyAs<CopyNotation::Csv>, NoMatrix},
    {"Mar&kdown", ID_EDIT_COPY_AS_MARKDOWN, OnEditCopyAs<CopyNotation::Markdown>, NoMatrix},
};
// clang-format on

constexpr MenuRow kEditRows[] = {
    {"&Undo", ID_EDIT_UNDO, Press<Key::EditUndo>, Not<&Calculator::CanUndo>},
    {},
    {"Cu&t", ID_EDIT_CUT, Press<Key::EditCut>, Not<&Calculator::DisplayHasSelection>},
    {"&Copy", ID_EDIT_COPY, Press<Key::EditCopy>, Not<&Calculator::DisplayHasSelection>},
    {.text = "Copy A&s", .greyed = NoMatrix, .submenu = kCopyAsRows},
    {"&Paste", ID_EDIT_PASTE, Press<Key::EditPaste>, Not<&Calculator::DisplayCanPaste>},
    {"&Delete", ID_EDIT_DELETE, Press<Key::EditDelete>, Not<&Calculator::DisplayHasSelection>},
    {},
    {"Select &All", ID_EDIT_SELECT_ALL, Press<Key::EditSelectAll>,
     Is<&Calculator::DisplaySelectsAll>},
};

// ---- Menu bar (143)

constexpr MenuRow kFileRows[] = {
    {"&New", ID_FILE_NEW, OnFileNew},
    {"&Open", ID_FILE_OPEN, OnFileOpen},
    {"&Save", ID_FILE_SAVE, OnFileSave},
    {"Save &As...", ID_FILE_SAVE_AS, OnFileSaveAs},
    {},
    {"&Import...", ID_FILE_IMPORT, OnFileImport},
    {"&Export...", ID_FILE_EXPORT, OnFileExport},
    {},
    {"&Print", ID_FILE_PRINT, OnFilePrint},
    {},
    {"E&xit", ID_APP_EXIT, [](Calculator& calculator) { calculator.Host().CloseWindow(); }},
};

void TogglePicture(Calculator& calculator) {
    calculator.Host().ShowPictureWindow(!calculator.Host().PictureWindowShown());
}
bool PictureShown(const Calculator& calculator) {
    return calculator.Host().PictureWindowShown();
}

constexpr MenuRow kViewRows[] = {
    {"Align Columns", ID_VIEW_ALIGN_COLUMNS, Press<Key::AlignColumns>, nullptr,
     Is<&Calculator::AlignColumns>},
    {"Picture", ID_VIEW_PICTURE, TogglePicture, nullptr, PictureShown},
    {"&Steps", ID_VIEW_STEPS, OnViewSteps},
};

constexpr MenuRow kHelpRows[] = {
    {"About", ID_HELP_ABOUT, [](Calculator& calculator) { calculator.Host().ShowAboutBox(); }},
    {},
    {"&Contents", ID_HELP_CONTENTS,
     [](Calculator& calculator) { calculator.Host().ShowHelp(kHelpContentsContext); }},
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

std::vector<PopupMenuItem> BuildItems(std::span<const MenuRow> rows, const Calculator& calculator) {
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
        item.greyed = row.greyed && row.greyed(calculator);
        item.checked = row.checked && row.checked(calculator);
        item.checkable = row.checked != nullptr;
        item.submenu = BuildItems(row.submenu, calculator);
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

PopupMenu BuildMenu(const Menu& menu, const Calculator& calculator) {
    PopupMenu popup;
    if (menu.title) popup.title = menu.title;
    popup.items = BuildItems(menu.rows, calculator);
    return popup;
}
