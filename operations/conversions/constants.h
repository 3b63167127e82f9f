#pragma once
// The Constants popup's items insert their values into the text being typed.

class Calculator;

// Switches the display to exponential notation and appends the value, in
// "%.16e" form, to the end of the entry text.
void InsertConstant(Calculator& calculator, double value);
