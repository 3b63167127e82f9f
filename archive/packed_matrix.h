#pragma once
// The packed matrix: a matrix held as one growable array of doubles, the row
// count, the column count (whole numbers held as doubles), then the elements
// row by row. An empty matrix packs to {0, 0}. It is both the in-memory form of
// the calculator's current matrix and registers and the content of a register
// file.

#include <newmat.h>

#include <vector>

using PackedMatrix = std::vector<double>;

// Empties `packed` and appends rows, columns and every element in row order.
void PackMatrix(const NEWMAT::Matrix& matrix, PackedMatrix& packed);

// The matrix of trunc(rows) x trunc(columns) filled row by row from the third
// value on; values beyond rows x columns are ignored. A packed matrix that
// cannot describe a matrix (fewer than two values, a count that is negative,
// not finite or beyond the 32-bit range, or fewer elements than the counts
// promise) unpacks to the empty 0 x 0 matrix. 0 x 7 unpacks to 0 rows, 7 columns.
NEWMAT::Matrix UnpackMatrix(const PackedMatrix& packed);

// The shape UnpackMatrix gives `packed`, found from its counts alone.
struct PackedShape {
    int rows = 0;
    int columns = 0;
};
PackedShape ShapeOfPacked(const PackedMatrix& packed);
