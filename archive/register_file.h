#pragma once
// The register file: a packed matrix written as raw 8-byte IEEE 754 doubles in
// little-endian byte order, no header, padding or trailer. Its size is
// 8 x (2 + rows x columns) bytes; the empty matrix is 16 bytes of zeros.
// Bytes after the last element a header promises are ignored on reading.

#include "archive/packed_matrix.h"

#include <string>
#include <string_view>

enum class RegisterFileResult {
    Ok,
    Missing,      // there is no file of that name
    CannotOpen,   // the file exists but cannot be read (permissions, a folder, a pipe)
    Damaged,      // shorter than 16 bytes, or a header that is no matrix shape:
                  // counts negative, not whole, not finite, beyond 32 bits,
                  // promising more elements than the bytes hold, or no elements
                  // at all with the other count above kLargestEmptyExtent
    TooLarge,     // a matrix the allocation limit refuses, or memory ran out
    CannotCreate, // the file (or its temporary beside it) cannot be written,
                  // or the user may not write it
};

// An empty matrix (0 rows or 0 columns) is a real shape up to this many rows
// or columns; beyond it the header is taken as damaged, since every row of
// an empty matrix still costs a line wherever the matrix is shown.
inline constexpr double kLargestEmptyExtent = 65536;

// The bytes of a register file holding `packed`: every value in order.
std::string SerializePacked(const PackedMatrix& packed);

// Reads the packed matrix at the start of `bytes`: the two counts, then as
// many elements as they promise. On any result but Ok `packed` is left
// untouched; nothing is allocated before the counts are checked against the
// bytes present and the allocation limit, so the work done is bounded by the
// size of `bytes`.
RegisterFileResult DeserializePacked(std::string_view bytes, PackedMatrix& packed);

// Loads the register file `fileName` into `packed` (bulk read) under the same
// checks. On any result other than Ok `packed` is left as it was.
RegisterFileResult ReadRegisterFile(const std::string& fileName, PackedMatrix& packed);

// The same load straight into `matrix`, without a packed copy: the counts
// give its shape, the elements fill it row by row. On any result other than
// Ok `matrix` is empty.
RegisterFileResult ReadRegisterMatrix(const std::string& fileName, NEWMAT::Matrix& matrix);

// Writes `packed` to `fileName` (bulk write) through SaveFileSafely, so a
// failed, interrupted or concurrent save leaves a complete file. Ok or
// CannotCreate (also for a file the user may not write).
RegisterFileResult WriteRegisterFile(const std::string& fileName, const PackedMatrix& packed);
