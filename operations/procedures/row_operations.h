#pragma once
// The elementary row operations on the current matrix. Each asks for its
// row numbers; a row outside 1..rows is reported ("Row boundary error") and
// nothing changes. Rows of a dual (complex) matrix are complex rows, so the
// operations need no complex branch.

#include <span>

#include "calculator/calculator_commands.h"

class Calculator;

// The command-list operations of this file, under the names their rows
// show (for the tables of commands/).
std::span<const NamedCommand> RowOperationsCommands();
