#pragma once
// MATLAB and Octave matrices: "[1 2; 3 4]", "[1, 2; 3, 4]", rows also ended
// by line breaks, "..." continuing a row on the next line, "%" comments;
// complex elements "1+2i", "3-4j" (a sign after a blank and before a digit
// starts a new element, as MATLAB reads "[1 -2]").

#include "interchange/element_grid.h"

#include <string_view>

// Claims a text that starts with "[" (not "[[") and ends with "]" (a ";"
// after it allowed).
NotationParse ParseMatlab(std::string_view text, bool complexMode);
