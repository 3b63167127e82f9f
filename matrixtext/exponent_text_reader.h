#pragma once
// The reader of real texts whose numbers may carry exponents, SE's reader
// for a real text with an "e" (ParseRealExponent). Large texts are read in
// parts side by side (text_parts.h).

#include "matrixtext/line_shape.h"

#include <newmat.h>

#include <string>

// Tokens are separated by white space and each is read whole as strtod reads
// it (a token that starts with no number reads 0). A row ends at each token
// followed by a line break (LF or CR) or by the end of the text, blanks
// between them or not. The tokens fill `matrix` as rows x (tokens / rows)
// row by row, surplus dropped; no row gives the empty matrix. With a
// `shape`, the numbers of each row are told to it, and it is finished. The
// text must be NUL-terminated, as std::string keeps it, and must not change
// while it is read.
void ReadExponentText(const std::string& text, NEWMAT::Matrix& matrix, LineShape* shape);
