#include "commands/buttons.h"

#include "calculator/calculator_dlg.h"
#include "commands/command_dispatch.h"
#include "commands/dialog_members.h"
#include "commands/menu_tables.h"
#include "operations/conversions/convert_command.h"

namespace {

constexpr char kDigitTip[] = "Digit";

// A key that types its character at the display's caret.
template <char character> void Key(CCalculatorDlg& dlg) {
    dlg.InsertKey(character);
}

void NextRow(CCalculatorDlg& dlg) {
    dlg.InsertNextRow();
}

// Test, Proc and Factor work on the current matrix: without one they only
// give the display the focus back.
template <CommandListKind kind> void GroupOfCurrentMatrix(CCalculatorDlg& dlg) {
    if (!dlg.HasCurrentMatrix()) {
        dlg.Display().SetFocus();
        return;
    }
    ShowCommandList(dlg, kind);
    dlg.CommandList().DropDown();
}

template <CommandListKind kind> void Group(CCalculatorDlg& dlg) {
    ShowCommandList(dlg, kind);
    dlg.CommandList().DropDown();
}

// Displ and Mode leave the focus in the display unless a set matrix is shown.
template <CommandListKind kind> void SettingsGroup(CCalculatorDlg& dlg) {
    Group<kind>(dlg);
    if (!dlg.IsSetState()) dlg.Display().SetFocus();
}

void FormatMenuBelowButton(CCalculatorDlg& dlg) {
    const ScreenRect button = dlg.Host().ControlScreenRect(IDC_FORMAT);
    ShowPopupMenu(dlg, button.left, button.bottom, IDR_FORMAT_MENU);
    dlg.MoveFocusByEntryState();
}

void ConstantsMenuBelowButton(CCalculatorDlg& dlg) {
    const ScreenRect button = dlg.Host().ControlScreenRect(IDC_CONST);
    ShowPopupMenu(dlg, button.left, button.bottom, IDR_CONSTANTS_MENU);
    dlg.Display().SetFocus();
}

using enum KeyGroup;
using D = CCalculatorDlg;

// clang-format off
constexpr ButtonRow kButtons[] = {
    {IDC_KEY_1,           "1",      kDigitTip,                     Key<'1'>,                      {Keypad, 2, 0}},
    {IDC_KEY_2,           "2",      kDigitTip,                     Key<'2'>,                      {Keypad, 2, 1}},
    {IDC_KEY_3,           "3",      kDigitTip,                     Key<'3'>,                      {Keypad, 2, 2}},
    {IDC_KEY_4,           "4",      kDigitTip,                     Key<'4'>,                      {Keypad, 1, 0}},
    {IDC_KEY_5,           "5",      kDigitTip,                     Key<'5'>,                      {Keypad, 1, 1}},
    {IDC_KEY_6,           "6",      kDigitTip,                     Key<'6'>,                      {Keypad, 1, 2}},
    {IDC_KEY_7,           "7",      kDigitTip,                     Key<'7'>,                      {Keypad, 0, 0}},
    {IDC_KEY_8,           "8",      kDigitTip,                     Key<'8'>,                      {Keypad, 0, 1}},
    {IDC_KEY_9,           "9",      kDigitTip,                     Key<'9'>,                      {Keypad, 0, 2}},
    {IDC_KEY_0,           "0",      kDigitTip,                     Key<'0'>,                      {Keypad, 3, 0}},
    {IDC_KEY_BACKSPACE,   "<",      "Backspace",                   Run<&D::Backspace>,            {Keypad, 1, 4}},
    {IDC_KEY_CLOSE,       ")",      "Close Parenthesis",           Key<')'>,                      {Keypad, 0, 4}},
    {IDC_KEY_NEXT_ROW,    "v",      "Next Row",                    NextRow,                       {Keypad, 3, 3}},
    {IDC_KEY_MINUS,       "-",      "Negative",                    Key<'-'>,                      {Keypad, 3, 2}},
    {IDC_KEY_OPEN,        "(",      "Open Parenthesis",            Key<'('>,                      {Keypad, 0, 3}},
    {IDC_KEY_NEXT_COLUMN, ">",      "Next Column",                 Key<' '>,                      {Keypad, 2, 3}},
    {IDC_ABS,             "Abs",    "Elementwise Absolute",        Run<&D::OnAbsolute>,           {Operators, 2, 2}},
    {IDC_ADD,             "Add",    "Matrix Add",                  Run<&D::OnAdd>,                {Operators, 0, 0}},
    {IDC_CE,              "CE",     "Clear Edit Box",              Run<&D::ClearCalculator>,      {Keypad, 2, 4}},
    {IDC_CONST,           "Const",  "Math and Physical Constants", ConstantsMenuBelowButton,      {Commands, 3, 1}},
    {IDC_CONV,            "Conv",   "Data Conversion",             OnConvert,                     {Commands, 3, 2}},
    {IDC_CREATE,          "Create", "Create Type Matrix",          Group<Create>,                 {Commands, 0, 1}},
    {IDC_DISPL,           "Displ",  "Display Options",             SettingsGroup<DisplayOptions>, {Commands, 1, 0}},
    {IDC_DIV,             "Div",    "Matrix Divide",               Run<&D::OnDivide>,             {Operators, 1, 0}},
    {IDC_FACTOR,          "Factor", "Matrix Decomposition",        GroupOfCurrentMatrix<Factor>,  {Commands, 2, 2}},
    {IDC_FORMAT,          "Format", "Format Numeric Output",       FormatMenuBelowButton,         {Commands, 2, 0}},
    {IDC_INT,             "Int",    "Matrix of Integers",          Run<&D::OnInteger>,            {Operators, 3, 0}},
    {IDC_INV,             "Inv",    "Matrix Inverse",              Run<&D::OnInverse>,            {Operators, 1, 2}},
    {IDC_MODE,            "Mode",   "Set Operational Mode",        SettingsGroup<Mode>,           {Commands, 0, 2}},
    {IDC_MUL,             "Mul",    "Matrix Multiply",             Run<&D::OnMultiply>,           {Operators, 0, 2}},
    {IDC_PARSE,           "Parse",  "Evaluate Matrix Expression",  Run<&D::OnParse>,              {Commands, 3, 0}},
    {IDC_SGN,             "Sgn",    "Elementwise Sign Change",     Run<&D::OnSign>,               {Operators, 2, 1}},
    {IDC_KEY_POINT,       ".",      "Decimal Point",               Key<'.'>,                      {Keypad, 3, 1}},
    {IDC_POW,             "Pow",    "Matrix Power",                Run<&D::OnPower>,              {Operators, 1, 1}},
    {IDC_PROC,            "Proc",   "Matrix Procedures",           GroupOfCurrentMatrix<Procedures>, {Commands, 0, 0}},
    {IDC_RECALL,          "Recall", "Recall Matrix From Memory",   Group<Recall>,                 {Commands, 1, 2}},
    {IDC_SE,              "SE",     "Set Text as Matrix",          Run<&D::SetEntry>,             {Keypad, 3, 4}},
    {IDC_STORE,           "Store",  "Store Matrix in Memory",      Group<Store>,                  {Commands, 1, 1}},
    {IDC_SUB,             "Sub",    "Matrix Subtract",             Run<&D::OnSubtract>,           {Operators, 0, 1}},
    {IDC_TEST,            "Test",   "Test Matrix Properties",      GroupOfCurrentMatrix<Tests>,   {Commands, 2, 1}},
    {IDC_TRN,             "Trn",    "Matrix Transpose",            Run<&D::OnTranspose>,          {Operators, 2, 0}},
    {IDC_KEY_COMMA,       ",",      "Comma",                       Key<','>,                      {Keypad, 1, 3}},
    {IDC_EQUALS,          "=",      "Equals Result",               Run<&D::OnEquals>,             {Operators, 3, 1, 2}},
};
// clang-format on

// Controls other than buttons that carry a tool tip.
struct ControlToolTip {
    ControlId id;
    const char* text;
};
constexpr ControlToolTip kControlToolTips[] = {
    {IDC_DISPLAY, "Put Matrix Here"},
    {IDC_COMMAND_LIST, "Multiple Options Selection List"},
};

} // namespace

std::span<const ButtonRow> CalculatorButtons() {
    return kButtons;
}

const ButtonRow* FindButton(int controlId) {
    for (const ButtonRow& button : kButtons)
        if (button.id == controlId) return &button;
    return nullptr;
}

int ButtonIdForCaption(std::string_view caption) {
    for (const ButtonRow& button : kButtons)
        if (caption == button.caption) return button.id;
    return 0;
}

namespace {

// Operators and the keys that open a group working on the current matrix act
// on what the user sees: typed text is set first.
bool ActsOnShownMatrix(const ButtonRow& button) {
    return button.place.group == KeyGroup::Operators || button.id == IDC_PROC ||
           button.id == IDC_TEST || button.id == IDC_FACTOR || button.id == IDC_STORE;
}

} // namespace

void PressButton(CCalculatorDlg& dlg, int controlId) {
    const ButtonRow* button = FindButton(controlId);
    if (!button || !button->press) return;
    if (ActsOnShownMatrix(*button) && !dlg.SetTypedEntry()) return;
    dlg.RunCommand([&] { button->press(dlg); }, button->caption);
}

const char* ToolTipText(int controlId) {
    if (const ButtonRow* button = FindButton(controlId)) return button->toolTip;
    for (const ControlToolTip& tip : kControlToolTips)
        if (tip.id == controlId) return tip.text;
    return nullptr;
}
