#pragma once
// Whole matrices to and from register files, for tests and benchmarks that
// prepare or check registers without a calculator.

#include "archive/packed_matrix.h"
#include "archive/register_file.h"

#include <newmat.h>

#include <string>

// The matrix in register file `fileName`; the empty 0 x 0 matrix when the
// file cannot be read.
inline NEWMAT::Matrix LoadMatrixFile(const std::string& fileName) {
    NEWMAT::Matrix matrix;
    ReadRegisterMatrix(fileName, matrix);
    return matrix;
}

inline RegisterFileResult SaveMatrixFile(const NEWMAT::Matrix& matrix, const std::string& fileName) {
    PackedMatrix packed;
    PackMatrix(matrix, packed);
    return WriteRegisterFile(fileName, packed);
}
