#pragma once
// NumPy .npy files in and out. Reading takes the element types of
// NpyLayout in either byte order and C or Fortran order; a complex array
// comes back complex, in the dual layout. Writing gives what np.save writes
// for a float64 array (complex128 in complex mode): version 1.0,
// little-endian, C order.

#include "interchange/matrix_import.h"

#include <string>
#include <string_view>

// The bytes of a whole .npy file.
MatrixImport ReadNpy(std::string_view bytes);

// A .npy file; the header is checked against the file's size before the
// matrix is made, and the data read straight into it.
MatrixImport ImportNpyFile(const std::string& path);

// The file's bytes for `matrix` (dual layout in complex mode; an odd last
// column is then ignored).
std::string NpyBytes(const NEWMAT::Matrix& matrix, bool complexMode);

// Writes the file through the one save routine; "" when saved, else why not.
std::string ExportNpyFile(const std::string& path, const NEWMAT::Matrix& matrix, bool complexMode);
