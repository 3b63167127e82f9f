#pragma once
// The FACTOR MATRIX group: each procedure factorises the current matrix and
// replaces it by one factor. A dual (complex) matrix is factorised as the
// real matrix it is stored as.

#include <span>

#include "calculator/calculator_commands.h"

class Calculator;

// The command-list operations of this file, under the names their rows
// show (for the tables of commands/).
std::span<const NamedCommand> FactorisationsCommands();
