#pragma once

#include <newmat.h>

#include <filesystem>
#include <iosfwd>

class LineInput;

// Prints `M` one row per line, each element in fixed point with `digits`
// decimals followed by two blanks, and one more line end after the last row.
void PrintResult(std::ostream& out, const NEWMAT::Matrix& M, int digits);

// A whole run of the evaluator: loads the registers from the register files
// in `folder` (the working directory when empty), reads lines from `in`
// until "quit", "exit" or the end of the input, answers each on `out`, and
// saves every register when the answer to the closing question is y or Y.
// Returns the program's exit status.
int RunEvaluator(std::istream& in, std::ostream& out, const std::filesystem::path& folder = {});
// The same run on lines from `input`.
int RunEvaluator(LineInput& input, std::ostream& out, const std::filesystem::path& folder = {});
