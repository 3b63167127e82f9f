#pragma once
// Procedures that cut a part out of the current matrix or sum it up: a row,
// a column, a block, the diagonal, the row sums and the column sums. In
// complex mode column numbers count complex columns.

#include <span>

#include "calculator/calculator_commands.h"

class Calculator;

// The command-list operations of this file, under the names their rows
// show (for the tables of commands/).
std::span<const NamedCommand> ExtractProceduresCommands();
