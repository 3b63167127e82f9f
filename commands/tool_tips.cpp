#include "calculator/control_ids.h"
#include "commands/command_dispatch.h"

namespace {

struct ToolTip {
    int controlId;
    const char* text;
};

constexpr ToolTip kToolTips[] = {
    {IDC_KEY_BACKSPACE, "Backspace"},
    {IDC_KEY_CLOSE, "Close Parenthesis"},
    {IDC_KEY_NEXT_ROW, "Next Row"},
    {IDC_KEY_MINUS, "Negative"},
    {IDC_KEY_OPEN, "Open Parenthesis"},
    {IDC_KEY_NEXT_COLUMN, "Next Column"},
    {IDC_ABS, "Elementwise Absolute"},
    {IDC_ADD, "Matrix Add"},
    {IDC_CE, "Clear Edit Box"},
    {IDC_CONST, "Math and Physical Constants"},
    {IDC_CONV, "Data Conversion"},
    {IDC_CREATE, "Create Type Matrix"},
    {IDC_DISPL, "Display Options"},
    {IDC_DIV, "Matrix Divide"},
    {IDC_FACTOR, "Matrix Decomposition"},
    {IDC_FORMAT, "Format Numeric Output"},
    {IDC_INT, "Matrix of Integers"},
    {IDC_INV, "Matrix Inverse"},
    {IDC_MODE, "Set Operational Mode"},
    {IDC_MUL, "Matrix Multiply"},
    {IDC_PARSE, "Evaluate Matrix Expression"},
    {IDC_SGN, "Elementwise Sign Change"},
    {IDC_KEY_POINT, "Decimal Point"},
    {IDC_POW, "Matrix Power"},
    {IDC_PROC, "Matrix Procedures"},
    {IDC_RECALL, "Recall Matrix From Memory"},
    {IDC_SE, "Set Text as Matrix"},
    {IDC_STORE, "Store Matrix in Memory"},
    {IDC_SUB, "Matrix Subtract"},
    {IDC_TEST, "Test Matrix Properties"},
    {IDC_TRN, "Matrix Transpose"},
    {IDC_KEY_COMMA, "Comma"},
    {IDC_EQUALS, "Equals Result"},
    {IDC_DISPLAY, "Put Matrix Here"},
    {IDC_COMMAND_LIST, "Multiple Options Selection List"},
};

} // namespace

const char* ToolTipText(int controlId) {
    if (controlId >= IDC_KEY_1 && controlId <= IDC_KEY_0) return "Digit";
    for (const ToolTip& tip : kToolTips)
        if (tip.controlId == controlId) return tip.text;
    return nullptr;
}
