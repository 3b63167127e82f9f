#pragma once
// The yes/no and numeric questions of the MATRIX TESTS group. Each reads the
// current matrix, ends silently when there is none, and answers in a message
// box; none of them changes the calculator's state.
//
// In complex mode "Square", "Singular", "Rank", "Positive Definite",
// "Symmetric" and "Condition Number" answer for the complex matrix (through
// its composite form, whose rank is twice the complex rank); the other tests
// look at the stored real numbers.

#include <span>

#include "calculator/calculator_commands.h"

class Calculator;

// The command-list operations of this file, under the names their rows
// show (for the tables of commands/).
std::span<const NamedCommand> MatrixTestsCommands();
