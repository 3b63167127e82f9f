#include "operations/conversions/constants.h"

#include <cstdio>

#include "calculator/calculator.h"

void InsertConstant(Calculator& calculator, double value) {
    calculator.SetExponentFlag(true);
    char text[40];
    std::snprintf(text, sizeof text, "%.16e", value);
    calculator.AppendToEntryText(text);
}
