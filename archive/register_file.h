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
    CannotOpen,   // the file does not exist or cannot be read
    Damaged,      // shorter than 16 bytes, or a header that is no matrix shape:
                  // counts negative, not whole, not finite, beyond 32 bits, or
                  // promising more elements than the bytes hold
    CannotCreate, // the file (or its temporary beside it) cannot be written
};

// The bytes of a register file holding `packed`: every value in order.
std::string SerializePacked(const PackedMatrix& packed);

// Reads the packed matrix at the start of `bytes`: the two counts, then as
// many elements as they promise. On Damaged `packed` is left untouched and
// nothing is allocated; the work done is bounded by the size of `bytes`.
RegisterFileResult DeserializePacked(std::string_view bytes, PackedMatrix& packed);

// Loads the register file `fileName` into `packed` (bulk read). On any result
// other than Ok `packed` is left as it was.
RegisterFileResult ReadRegisterFile(const std::string& fileName, PackedMatrix& packed);

// Writes `packed` to `fileName` (bulk write): the bytes go to a temporary file
// beside the target, which is then renamed over it, so a failed or interrupted
// save leaves the previous file intact. Ok or CannotCreate.
RegisterFileResult WriteRegisterFile(const std::string& fileName, const PackedMatrix& packed);
