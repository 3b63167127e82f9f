#pragma once
// Rows of the command tables name the calculator's keys and questions
// through these, and only through these, so a row stays one line:
// Press<Key::Add>, Press<Key::Character, '1'>, PressWithNumber<Key::FormatFixed>,
// Not<&Calculator::CanUndo>.

#include "calculator/calculator.h"

using Key = CalculatorKey;

// The key pressed, with the number written in the row, if any.
template <CalculatorKey key, int number = 0> void Press(Calculator& calculator) {
    calculator.Press(key, number);
}

// The key pressed with the number of a numbered menu item.
template <CalculatorKey key> void PressWithNumber(Calculator& calculator, int number) {
    calculator.Press(key, number);
}

template <bool (Calculator::*question)() const> bool Is(const Calculator& calculator) {
    return (calculator.*question)();
}

template <bool (Calculator::*question)() const> bool Not(const Calculator& calculator) {
    return !(calculator.*question)();
}
