#pragma once
// The matrix document: a text file of lines, each ended by CR LF: the row
// count, the column count, then one element per line in row order.
//
// Elements are written with 17 significant digits, so every double reads back
// as it was written. The reader takes each line as atoi or atof would and
// also accepts documents written with fewer digits, and LF or CR line ends.

#include <newmat.h>

#include <cstdint>
#include <istream>
#include <string>

enum class DocumentReadResult {
    Ok,
    CannotOpen, // missing, unreadable, or not a regular file
    Refused,    // a header that is no usable matrix shape (see ReadMatrixDocumentText)
};

// The bytes of the document holding `matrix`.
std::string MatrixDocumentText(const NEWMAT::Matrix& matrix);

// Reads a document of `byteCount` bytes from `in` into `matrix`. The header
// is refused when a count is missing, negative, not a number or beyond the
// int range, when the matrix exceeds the allocation limit, when it has no
// elements but more rows or columns than a register may have, or when it
// promises more elements than the document has bytes (so a damaged header
// never makes the reader allocate more than eight bytes per byte of the
// file). Element lines that are missing give zeros; lines after the last
// element are ignored. Unless the result is Ok, `matrix` is left untouched.
DocumentReadResult ReadMatrixDocumentText(std::istream& in, std::uint64_t byteCount,
                                          NEWMAT::Matrix& matrix);

// Reads the document at `path` into `matrix`; the file is only read.
DocumentReadResult ReadMatrixDocumentFile(const std::string& path, NEWMAT::Matrix& matrix);
