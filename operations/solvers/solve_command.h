#pragma once
// "Solve Ax = b": solves the system of register A and right-hand side(s)
// register B, stores the solution in register C and the check product A x
// in register D, and leaves the solution as the current matrix.

#include <span>

#include "calculator/calculator_commands.h"

class Calculator;

void SolveGaussJordan(Calculator& calculator);
void SolveLu(Calculator& calculator);

// The command-list operations of this file, under the names their rows
// show (for the tables of commands/).
std::span<const NamedCommand> SolveCommands();
