#pragma once
// SE's second reading: a text the matrix text format refuses may be a matrix
// written in another tool's notation (LaTeX, NumPy, MATLAB, Mathematica, the
// text export, CSV, Markdown; interchange/notation_reading.h).

#include <string>

#include "matrixtext/matrix_text.h"

// `reading` holds the matrix text format's refusal of `text`. When a
// notation reads the text, `reading` becomes SE's reading of the converted
// matrix text (with the exponent mark of the original, so the display keeps
// showing exponents) and the notation's name is returned. When a notation
// claims the text but finds no rectangle of numbers in it, `reading` holds a
// syntax error at the offending character of `text`. When none claims it,
// `reading` keeps the matrix text format's fault. "" unless read.
std::string ReadEntryInNotation(const std::string& text, bool complexMode, EntryReading& reading);
