#include "commands/buttons.h"

#include "calculator/calculator.h"
#include "commands/calculator_members.h"
#include "commands/command_dispatch.h"
#include "commands/menu_tables.h"
#include "operations/conversions/convert_command.h"

namespace {

constexpr char kDigitTip[] = "Digit";

// Test, Proc and Factor work on the current matrix: without one they only
// give the display the focus back.
template <CommandListKind kind> void GroupOfCurrentMatrix(Calculator& calculator) {
    if (!calculator.HasCurrentMatrix()) {
        calculator.FocusDisplay();
        return;
    }
    ShowCommandList(calculator, kind);
    calculator.CommandList().DropDown();
}

template <CommandListKind kind> void Group(Calculator& calculator) {
    ShowCommandList(calculator, kind);
    calculator.CommandList().DropDown();
}

// Displ and Mode leave the focus in the display unless a set matrix is shown.
template <CommandListKind kind> void SettingsGroup(Calculator& calculator) {
    Group<kind>(calculator);
    if (!calculator.IsSetState()) calculator.FocusDisplay();
}

void FormatMenuBelowButton(Calculator& calculator) {
    const ScreenRect button = calculator.Host().ControlScreenRect(IDC_FORMAT);
    ShowPopupMenu(calculator, button.left, button.bottom, IDR_FORMAT_MENU);
    calculator.MoveFocusByEntryState();
}

void ConstantsMenuBelowButton(Calculator& calculator) {
    const ScreenRect button = calculator.Host().ControlScreenRect(IDC_CONST);
    ShowPopupMenu(calculator, button.left, button.bottom, IDR_CONSTANTS_MENU);
    calculator.FocusDisplay();
}

using enum KeyGroup;

// clang-format off
constexpr ButtonRow kButtons[] = {
    {IDC_KEY_1,           "1",      kDigitTip,                     Press<Key::Character, '1'>,       {Keypad, 2, 0}},
    {IDC_KEY_2,           "2",      kDigitTip,                     Press<Key::Character, '2'>,       {Keypad, 2, 1}},
    {IDC_KEY_3,           "3",      kDigitTip,                     Press<Key::Character, '3'>,       {Keypad, 2, 2}},
    {IDC_KEY_4,           "4",      kDigitTip,                     Press<Key::Character, '4'>,       {Keypad, 1, 0}},
    {IDC_KEY_5,           "5",      kDigitTip,                     Press<Key::Character, '5'>,       {Keypad, 1, 1}},
    {IDC_KEY_6,           "6",      kDigitTip,                     Press<Key::Character, '6'>,       {Keypad, 1, 2}},
    {IDC_KEY_7,           "7",      kDigitTip,                     Press<Key::Character, '7'>,       {Keypad, 0, 0}},
    {IDC_KEY_8,           "8",      kDigitTip,                     Press<Key::Character, '8'>,       {Keypad, 0, 1}},
    {IDC_KEY_9,           "9",      kDigitTip,                     Press<Key::Character, '9'>,       {Keypad, 0, 2}},
    {IDC_KEY_0,           "0",      kDigitTip,                     Press<Key::Character, '0'>,       {Keypad, 3, 0}},
    {IDC_KEY_BACKSPACE,   "<",      "Backspace",                   Press<Key::Backspace>,            {Keypad, 1, 4}},
    {IDC_KEY_CLOSE,       ")",      "Close Parenthesis",           Press<Key::Character, ')'>,       {Keypad, 0, 4}},
    {IDC_KEY_NEXT_ROW,    "v",      "Next Row",                    Press<Key::NextRow>,              {Keypad, 3, 3}},
    {IDC_KEY_MINUS,       "-",      "Negative",                    Press<Key::Character, '-'>,       {Keypad, 3, 2}},
    {IDC_KEY_OPEN,        "(",      "Open Parenthesis",            Press<Key::Character, '('>,       {Keypad, 0, 3}},
    {IDC_KEY_NEXT_COLUMN, ">",      "Next Column",                 Press<Key::Character, ' '>,       {Keypad, 2, 3}},
    {IDC_ABS,             "Abs",    "Elementwise Absolute",        Press<Key::Absolute>,             {Operators, 2, 2}},
    {IDC_ADD,             "Add",    "Matrix Add",                  Press<Key::Add>,                  {Operators, 0, 0}},
    {IDC_CE,              "CE",     "Clear Edit Box",              Press<Key::Clear>,                {Keypad, 2, 4}},
    {IDC_CONST,           "Const",  "Math and Physical Constants", ConstantsMenuBelowButton,         {Commands, 3, 1}},
    {IDC_CONV,            "Conv",   "Data Conversion",             OnConvert,                        {Commands, 3, 2}},
    {IDC_CREATE,          "Create", "Create Type Matrix",          Group<Create>,                    {Commands, 0, 1}},
    {IDC_DISPL,           "Displ",  "Display Options",             SettingsGroup<DisplayOptions>,    {Commands, 1, 0}},
    {IDC_DIV,             "Div",    "Matrix Divide",               Press<Key::Divide>,               {Operators, 1, 0}},
    {IDC_FACTOR,          "Factor", "Matrix Decomposition",        GroupOfCurrentMatrix<Factor>,     {Commands, 2, 2}},
    {IDC_FORMAT,          "Format", "Format Numeric Output",       FormatMenuBelowButton,            {Commands, 2, 0}},
    {IDC_INT,             "Int",    "Matrix of Integers",          Press<Key::Integer>,              {Operators, 3, 0}},
    {IDC_INV,             "Inv",    "Matrix Inverse",              Press<Key::Inverse>,              {Operators, 1, 2}},
    {IDC_MODE,            "Mode",   "Set Operational Mode",        SettingsGroup<Mode>,              {Commands, 0, 2}},
    {IDC_MUL,             "Mul",    "Matrix Multiply",             Press<Key::Multiply>,             {Operators, 0, 2}},
    {IDC_PARSE,           "Parse",  "Evaluate Matrix Expression",  Press<Key::Parse>,                {Commands, 3, 0}},
    {IDC_SGN,             "Sgn",    "Elementwise Sign Change",     Press<Key::Sign>,                 {Operators, 2, 1}},
    {IDC_KEY_POINT,       ".",      "Decimal Point",               Press<Key::Character, '.'>,       {Keypad, 3, 1}},
    {IDC_POW,             "Pow",    "Matrix Power",                Press<Key::Power>,                {Operators, 1, 1}},
    {IDC_PROC,            "Proc",   "Matrix Procedures",           GroupOfCurrentMatrix<Procedures>, {Commands, 0, 0}},
    {IDC_RECALL,          "Recall", "Recall Matrix From Memory",   Group<Recall>,                    {Commands, 1, 2}},
    {IDC_SE,              "SE",     "Set Text as Matrix",          Press<Key::SetEntry>,             {Keypad, 3, 4}},
    {IDC_STORE,           "Store",  "Store Matrix in Memory",      Group<Store>,                     {Commands, 1, 1}},
    {IDC_SUB,             "Sub",    "Matrix Subtract",             Press<Key::Subtract>,             {Operators, 0, 1}},
    {IDC_TEST,            "Test",   "Test Matrix Properties",      GroupOfCurrentMatrix<Tests>,      {Commands, 2, 1}},
    {IDC_TRN,             "Trn",    "Matrix Transpose",            Press<Key::Transpose>,            {Operators, 2, 0}},
    {IDC_KEY_COMMA,       ",",      "Comma",                       Press<Key::Character, ','>,       {Keypad, 1, 3}},
    {IDC_EQUALS,          "=",      "Equals Result",               Press<Key::Equals>,               {Operators, 3, 1, 2}},
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

void PressButton(Calculator& calculator, int controlId) {
    const ButtonRow* button = FindButton(controlId);
    if (!button) return;
    if (ActsOnShownMatrix(*button) && !calculator.SetTypedEntry()) return;
    calculator.RunCommand([&] { button->press(calculator); }, button->caption);
}

const char* ToolTipText(int controlId) {
    if (const ButtonRow* button = FindButton(controlId)) return button->toolTip;
    for (const ControlToolTip& tip : kControlToolTips)
        if (tip.id == controlId) return tip.text;
    return nullptr;
}
