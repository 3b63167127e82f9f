#pragma once
// The push buttons of the calculator: one row each, holding the control id,
// the caption, the tool tip, what a click does and where the window places
// the key. Scripts and tests name buttons by caption, the window builds its
// keys from these rows.

#include <span>
#include <string_view>

#include "calculator/control_ids.h"

class Calculator;

using ButtonHandler = void (*)(Calculator&);

// The three key groups of the window, left to right.
enum class KeyGroup { Keypad, Operators, Commands };

struct KeyPlace {
    KeyGroup group;
    int row;
    int column;
    int columnSpan = 1;
};

struct ButtonRow {
    ControlId id;
    const char* caption;
    const char* toolTip;
    ButtonHandler press;
    KeyPlace place;
};

// Every push button, in control-id order.
std::span<const ButtonRow> CalculatorButtons();

// The row of the button with this id, or nullptr.
const ButtonRow* FindButton(int controlId);

// The id of the button with this caption, or 0.
int ButtonIdForCaption(std::string_view caption);

// Runs the click of the button with this id; an id of no button does nothing.
void PressButton(Calculator& calculator, int controlId);

// The tool-tip text of a control, or nullptr when the control has none.
const char* ToolTipText(int controlId);
