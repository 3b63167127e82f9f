#pragma once
// Eigenvalues, eigenvectors, similarity forms, the characteristic
// polynomial and the matrix exponential, sine and cosine.

#include <span>
#include <string>

#include "calculator/calculator_commands.h"

class Calculator;

// The report of a series that summed count terms.
std::string SeriesMessage(int count);

// The command-list operations of this file, under the names their rows
// show (for the tables of commands/).
std::span<const NamedCommand> SpectralCommands();
