#pragma once
// Procedures that rearrange the elements of the current matrix: mirroring,
// quarter turns, reshaping, sorting, Gauss elimination and balancing.

#include <span>

#include "calculator/calculator_commands.h"

class Calculator;

// The command-list operations of this file, under the names their rows
// show (for the tables of commands/).
std::span<const NamedCommand> RearrangeProceduresCommands();
