#pragma once

#include <span>

#include "calculator/calculator_commands.h"

class Calculator;

// The command-list operations of this file, under the names their rows
// show (for the tables of commands/).
std::span<const NamedCommand> SetRadixCommands();
