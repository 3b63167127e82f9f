#pragma once
// Large entry texts are read in parts side by side, one per core. A part
// runs from a line's beginning to the next part's, where each reader is in
// the state it starts a text in. A first pass counts each part's numbers and
// rows; the running sum of the counts tells each part the element it starts
// at, and a second pass reads its numbers into place, so the parts fill the
// matrix exactly as one reading from the start does, ragged rows and surplus
// included. This is what the plain and the exponent readers share.

#include "matrixtext/line_shape.h"

#include <newmat.h>

#include <cstddef>
#include <string>
#include <vector>

// Texts of at least this many bytes are read in parts.
inline constexpr std::size_t kPartedTextBytes = std::size_t{1} << 19;

// A part of a text, and what its first pass counted: its numbers, and the
// rows (for the plain reader its LFs) by which it moves the row count on.
struct TextPart {
    const char* begin = nullptr;
    const char* end = nullptr;
    std::size_t numbers = 0;
    std::size_t rows = 0;
};

// The text in as many parts as PartsFor gives for its length, each but the
// first starting right after a LF; a part may be empty.
std::vector<TextPart> SplitText(const std::string& text);

// The numbers of each row of a part, counted by its second pass: the first
// row's count, and whether every other row holds as many.
struct PartRows {
    std::size_t rows = 0;
    std::size_t first = 0;
    bool even = true;
    std::size_t current = 0; // numbers of the row not yet closed

    void Close() {
        if (rows == 0)
            first = current;
        else
            even = even && current == first;
        ++rows;
        current = 0;
    }
};

// What the second pass over a part writes: its numbers from `to` on, as many
// as the matrix keeps of them (`room`); when SE reads it, its rows and how
// many numbers it passed over unread. Each part's thread works on locals and
// writes its reading back once, so that no two threads write to the same
// cache line as they go.
struct PartReading {
    double* to = nullptr;
    std::size_t room = 0;
    PartRows rows;
    std::size_t passedOver = 0;
};

// Sizes `matrix` rows x (numbers / rows), rows > 0, for the numbers of all
// parts, and gives each part's reading its place in it.
std::vector<PartReading> PlaceParts(const std::vector<TextPart>& parts, std::size_t rows,
                                    NEWMAT::Matrix& matrix);

// Tells `shape` the rows of each part in order, as one reading would, and
// finishes it for the text's `rows` rows.
void TellShape(const std::vector<TextPart>& parts, const std::vector<PartReading>& readings,
               std::size_t rows, LineShape& shape);
