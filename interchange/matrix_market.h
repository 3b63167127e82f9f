#pragma once
// MatrixMarket exchange files: a first line "%%MatrixMarket matrix FORMAT
// FIELD SYMMETRY", comment lines starting with "%", a size line, then the
// entries. FORMAT is "array" (every value, column by column; a symmetric
// kind holds only the lower triangle) or "coordinate" ("i j value" per
// entry, 1-based, entries not given are 0, repeated entries add up); FIELD
// is real, double, integer, pattern (coordinates only, every entry 1) or
// complex (two numbers per value); SYMMETRY is general, symmetric,
// skew-symmetric or hermitian (entries on and below the diagonal, mirrored).

#include "interchange/matrix_import.h"

#include <string>
#include <string_view>

// Whether a text's first line starts with "%%MatrixMarket".
bool IsMatrixMarketText(std::string_view text);

// Reads a whole file's text. The size line is checked against the
// allocation limit before the matrix is made; entries out of range, above
// the diagonal of a symmetric kind, fewer or more than the size line says,
// or not numbers refuse the file.
MatrixImport ReadMatrixMarket(std::string_view text);

// The array form: "%%MatrixMarket matrix array real general" (complex in
// complex mode, from the dual layout), the size line, every value column by
// column with the digits that read back exactly.
std::string MatrixMarketText(const NEWMAT::Matrix& matrix, bool complexMode);
