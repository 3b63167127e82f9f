#pragma once
// The evaluator's numeric variables in their register file "RegNum".

#include "archive/register_file.h"
#include "archive/register_names.h"

#include <newmat.h>

#include <array>
#include <string>

// The evaluator's numeric variables a..z, index 0 = a.
using NumericVariables = std::array<double, 26>;

// Reads "RegNum": variable i takes element (i+1, 1) for every row the file
// holds, up to the 26th; further rows are ignored, and variables without a row
// keep their value. A missing, damaged or column-less file changes nothing.
// Returns how reading the file went.
RegisterFileResult LoadNumericVariables(NumericVariables& variables,
                          const std::string& fileName = kNumericVariablesFile);

// Writes the variables to "RegNum" as a 26 x 1 matrix.
RegisterFileResult SaveNumericVariables(const NumericVariables& variables,
                                        const std::string& fileName = kNumericVariablesFile);
