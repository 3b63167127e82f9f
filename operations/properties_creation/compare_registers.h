#pragma once
// "Compare": recalls two registers named at prompts and says whether they
// hold identical matrices. The second register stays the current matrix.

#include <optional>
#include <span>
#include <string>

#include "calculator/calculator_commands.h"

class Calculator;

// The register letter ('A' ... 'Z') a typed answer names: one letter of
// either case, blanks around it ignored. Any other answer names no register,
// so no typed text ever becomes part of a file name.
std::optional<char> RegisterNamedBy(const std::string& answer);

// The command-list operations of this file, under the names their rows
// show (for the tables of commands/).
std::span<const NamedCommand> CompareRegistersCommands();
