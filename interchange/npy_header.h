#pragma once
// The header of NumPy's .npy files: the magic "\x93NUMPY", a version byte
// pair (1.0, 2.0 or 3.0), the header's length (2 bytes little-endian in
// version 1, 4 bytes after), and a Python dict literal such as
//   {'descr': '<f8', 'fortran_order': False, 'shape': (3, 4), }
// padded with blanks and ended by a line feed. The data follows it.

#include <cstddef>
#include <string>
#include <string_view>

// The element types read: float64/32, int8..int64, uint8..uint64, bool,
// complex64/128, in either byte order.
struct NpyLayout {
    char kind = 'f'; // 'f', 'i', 'u', 'b' (bool) or 'c' (complex)
    int itemBytes = 8;
    bool bigEndian = false;
    bool fortranOrder = false;
    // A 0-d array is 1 x 1 and a 1-d array one row.
    std::size_t rows = 0;
    std::size_t columns = 0;
    std::size_t dataOffset = 0; // where the data starts

    bool IsComplex() const { return kind == 'c'; }
    bool IsEmpty() const { return rows == 0 || columns == 0; }
    // Only for a shape the allocation limit allowed, or an empty one.
    std::size_t DataBytes() const { return rows * columns * static_cast<std::size_t>(itemBytes); }
};

// Bytes a file must have for its header's length to be known.
inline constexpr std::size_t kNpyPreambleBytes = 12;
// Longest header read; numpy writes a few hundred bytes.
inline constexpr std::size_t kNpyLargestHeader = 1 << 16;

struct NpyHeader {
    NpyLayout layout;
    std::string error; // empty when the header was read
};

// Reads the header from the first bytes of a file (at least
// layout.dataOffset of them for a full reading; fewer give "truncated").
// The shape is checked against the allocation limit, so a header that is
// read describes a matrix that may be made.
NpyHeader ReadNpyHeader(std::string_view bytes);

// The length of the header at the start of `bytes` including its preamble,
// 0 when `bytes` holds no complete preamble or its magic is wrong.
std::size_t NpyHeaderEnd(std::string_view bytes);

// The header numpy writes for a little-endian C-order float64 (complex128
// when `complex`) array of this shape, padded to a multiple of 64 bytes.
std::string NpyHeaderBytes(std::size_t rows, std::size_t columns, bool complex);
