#pragma once
// Comma- and tab-separated files: rows of numbers, a header row of names
// skipped, complex cells ("1+2j", "1-2i") making the matrix complex.

#include "interchange/matrix_import.h"

#include <string>
#include <string_view>

// The whole text of a file; a cell that is no number, or a ragged row, is
// named by its line and column in the refusal.
MatrixImport ReadDelimitedText(std::string_view text, char separator);

// One row a line, numbers with the digits that read back exactly, complex
// elements (from the dual layout) as "1+2j", which numpy's loadtxt reads
// with dtype=complex.
std::string DelimitedText(const NEWMAT::Matrix& matrix, bool complexMode, char separator);
