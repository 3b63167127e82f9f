#pragma once
// The reader of real entry texts without exponents, the one SE uses for most
// texts. Large texts are read in parts side by side (text_parts.h).

#include "matrixtext/line_shape.h"

#include <newmat.h>

#include <cstddef>
#include <string>

// Reads `text` (NUL-terminated, as std::string keeps it) into `matrix`: its
// rows are its lines (split at LF; a final LF ends the last line), each line
// read as a blank, the line and CR LF, repeating: pass the run of number
// characters and the one character after it, skip white space, read a number
// where it stops (as strtod reads it). The numbers fill rows x (numbers /
// rows) row by row, surplus dropped; no rows give the empty matrix.
// With a `shape`, the text must be a real entry without exponents: digits,
// ".", "+", "-", blanks, CR and LF only; the numbers of each line are then
// told to `shape`, which is finished. For any other text nothing is read,
// `matrix` and `shape` are left as they were, and the outcome tells a valid
// real entry with exponents (those characters and "e" or "E") from the rest.
// Without a shape any text is read. The text must not change while it is
// read.
enum class PlainOutcome { Read, Exponents, NotPlain };
PlainOutcome ReadPlainText(const std::string& text, NEWMAT::Matrix& matrix, LineShape* shape);
