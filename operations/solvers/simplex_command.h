#pragma once
// "Simplex": maximises the objective of the tableau in the display under its
// constraints, asking how many are of each kind.

#include <span>

#include "calculator/calculator_commands.h"

class Calculator;

// The command-list operations of this file, under the names their rows
// show (for the tables of commands/).
std::span<const NamedCommand> SimplexCommands();
