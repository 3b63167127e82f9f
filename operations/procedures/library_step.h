#pragma once
// A numerical failure of the matrix library as a refusal with the
// procedure's own caption (Calculator::Refuse), changing nothing.

#include <functional>

class Calculator;

// Runs step; when it raises ztmath::MathError, shows the error's text with
// the caption and the stop icon and returns false. Other failures pass on
// to the command frame.
bool RunLibraryStep(Calculator& calculator, const char* caption, const std::function<void()>& step);
