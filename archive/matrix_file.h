#pragma once
// Loading and saving whole matrices as register files, as the evaluator does.

#include "archive/register_file.h"
#include "archive/register_names.h"

#include <newmat.h>

#include <array>
#include <string>

// The matrix held in register file `fileName`. A file that cannot be opened,
// is damaged or too large for memory gives the empty 0 x 0 matrix; nothing is
// reported.
NEWMAT::Matrix LoadMatrixFile(const std::string& fileName);

// Packs `matrix` and writes it to register file `fileName` through the one
// save routine. Ok or CannotCreate.
RegisterFileResult SaveMatrixFile(const NEWMAT::Matrix& matrix, const std::string& fileName);

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
