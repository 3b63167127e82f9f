#pragma once
// Procedures for complex matrices: the conjugate, and the conversions
// between the dual matrix of complex mode and the real composite format,
// which switch the mode with them.

#include <span>

#include "calculator/calculator_commands.h"

class Calculator;

// The command-list operations of this file, under the names their rows
// show (for the tables of commands/).
std::span<const NamedCommand> ComplexProceduresCommands();
