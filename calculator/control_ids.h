#pragma once
// Control ids of the calculator window and the caption of every button. The
// window builds its buttons from kCalculatorButtons; tables, tests and scripts
// name controls by these ids.

#include <string_view>

enum ControlId : int {
    IDC_STATUS = 1000,
    IDC_WIDTH_CAPTION = 1003,
    IDC_OPTIONS_CAPTION = 1004,
    IDC_DECIMAL_CAPTION = 1005,
    IDC_DISPLAY = 1009,
    IDC_COMMAND_LIST = 1010,
    IDC_WIDTH_BOX = 1011,
    IDC_DECIMAL_BOX = 1012,
    IDC_WIDTH_SPIN = 1013,
    IDC_DECIMAL_SPIN = 1014,

    IDC_KEY_1 = 1023, // "1" ... "9" are 1023 ... 1031
    IDC_KEY_0 = 1032,
    IDC_KEY_BACKSPACE = 1033,
    IDC_KEY_CLOSE = 1034,
    IDC_KEY_NEXT_ROW = 1035,
    IDC_KEY_MINUS = 1036,
    IDC_KEY_OPEN = 1037,
    IDC_KEY_NEXT_COLUMN = 1038,
    IDC_ABS = 1039,
    IDC_ADD = 1040,
    IDC_CE = 1041,
    IDC_CONST = 1042,
    IDC_CONV = 1043,
    IDC_CREATE = 1044,
    IDC_DISPL = 1045,
    IDC_DIV = 1046,
    IDC_FACTOR = 1047,
    IDC_FORMAT = 1048,
    IDC_INT = 1049,
    IDC_INV = 1050,
    IDC_MODE = 1051,
    IDC_MUL = 1052,
    IDC_PARSE = 1053,
    IDC_SGN = 1054,
    IDC_KEY_POINT = 1055,
    IDC_POW = 1056,
    IDC_PROC = 1057,
    IDC_RECALL = 1058,
    IDC_SE = 1059,
    IDC_STORE = 1060,
    IDC_SUB = 1061,
    IDC_TEST = 1062,
    IDC_TRN = 1063,
    IDC_KEY_COMMA = 1064,
    IDC_EQUALS = 1065,
};

struct CalculatorButton {
    int id;
    const char* caption;
};

// Every push button of the calculator, by id.
inline constexpr CalculatorButton kCalculatorButtons[] = {
    {1023, "1"},      {1024, "2"},      {1025, "3"},     {1026, "4"},    {1027, "5"},
    {1028, "6"},      {1029, "7"},      {1030, "8"},     {1031, "9"},    {1032, "0"},
    {1033, "<"},      {1034, ")"},      {1035, "v"},     {1036, "-"},    {1037, "("},
    {1038, ">"},      {1039, "Abs"},    {1040, "Add"},   {1041, "CE"},   {1042, "Const"},
    {1043, "Conv"},   {1044, "Create"}, {1045, "Displ"}, {1046, "Div"},  {1047, "Factor"},
    {1048, "Format"}, {1049, "Int"},    {1050, "Inv"},   {1051, "Mode"}, {1052, "Mul"},
    {1053, "Parse"},  {1054, "Sgn"},    {1055, "."},     {1056, "Pow"},  {1057, "Proc"},
    {1058, "Recall"}, {1059, "SE"},     {1060, "Store"}, {1061, "Sub"},  {1062, "Test"},
    {1063, "Trn"},    {1064, ","},      {1065, "="},
};

// The id of the button with this caption, or 0.
inline int ButtonIdForCaption(std::string_view caption) {
    for (const CalculatorButton& button : kCalculatorButtons)
        if (caption == button.caption) return button.id;
    return 0;
}
