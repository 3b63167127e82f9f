#pragma once
// Procedures that replace every element of the current matrix by a function
// of that element alone. A dual (complex) matrix is treated as its real
// numbers, so real and imaginary parts are transformed separately.

#include <span>

#include "calculator/calculator_commands.h"

class Calculator;

// Also sets the decimals to 0 so the integers show without a fraction.
void OnElementInteger(Calculator& calculator);

// The command-list operations of this file, under the names their rows
// show (for the tables of commands/).
std::span<const NamedCommand> ElementWiseCommands();
