#pragma once
// The CREATE MATRIX group: each creation asks for what it needs, builds a
// new matrix and makes it the current matrix. A size the machine cannot hold
// is refused as out of range before anything is allocated.

#include <span>

#include "calculator/calculator_commands.h"

class Calculator;

// The command-list operations of these files, under the names their rows
// show (for the tables of commands/).
std::span<const NamedCommand> CreateFromVectorCommands();
std::span<const NamedCommand> CreateComplexCommands();
std::span<const NamedCommand> CreateSizedCommands();
std::span<const NamedCommand> CreateGeometricCommands();
