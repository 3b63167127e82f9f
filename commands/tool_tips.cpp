#include "commands/command_dispatch.h"

namespace {

struct ToolTip {
    int controlId;
    const char* text;
};

constexpr int kFirstDigitKey = 1023; // "1" ... "9", "0" follow in order
constexpr int kLastDigitKey = 1032;

constexpr ToolTip kToolTips[] = {
    {1033, "Backspace"},
    {1034, "Close Parenthesis"},
    {1035, "Next Row"},
    {1036, "Negative"},
    {1037, "Open Parenthesis"},
    {1038, "Next Column"},
    {1039, "Elementwise Absolute"},
    {1040, "Matrix Add"},
    {1041, "Clear Edit Box"},
    {1042, "Math and Physical Constants"},
    {1043, "Data Conversion"},
    {1044, "Create Type Matrix"},
    {1045, "Display Options"},
    {1046, "Matrix Divide"},
    {1047, "Matrix Decomposition"},
    {1048, "Format Numeric Output"},
    {1049, "Matrix of Integers"},
    {1050, "Matrix Inverse"},
    {1051, "Set Operational Mode"},
    {1052, "Matrix Multiply"},
    {1053, "Evaluate Matrix Expression"},
    {1054, "Elementwise Sign Change"},
    {1055, "Decimal Point"},
    {1056, "Matrix Power"},
    {1057, "Matrix Procedures"},
    {1058, "Recall Matrix From Memory"},
    {1059, "Set Text as Matrix"},
    {1060, "Store Matrix in Memory"},
    {1061, "Matrix Subtract"},
    {1062, "Test Matrix Properties"},
    {1063, "Matrix Transpose"},
    {1064, "Comma"},
    {1065, "Equals Result"},
    {1009, "Put Matrix Here"},
    {1010, "Multiple Options Selection List"},
};

} // namespace

const char* ToolTipText(int controlId) {
    if (controlId >= kFirstDigitKey && controlId <= kLastDigitKey) return "Digit";
    for (const ToolTip& tip : kToolTips)
        if (tip.controlId == controlId) return tip.text;
    return nullptr;
}
