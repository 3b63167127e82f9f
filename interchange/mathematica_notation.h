#pragma once
// Mathematica lists: "{{1, 2}, {3, 4}}", a flat list "{1, 2, 3}" as one row,
// exponents "1.5*^-3", complex elements "1 + 2*I", "2 I", "Complex[1, 2]".

#include "interchange/element_grid.h"

#include <string_view>

// Claims a text that starts with "{".
NotationParse ParseMathematica(std::string_view text, bool complexMode);
