#pragma once
// The commands the programs hand to the calculator dialog when they build it:
// the button, command-list and menu tables of this folder and the procedures
// that finish at "=".

#include "calculator/calculator_commands.h"

CalculatorCommands& CalculatorCommandTables();
