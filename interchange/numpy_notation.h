#pragma once
// NumPy arrays as Python shows them: "array([[1, 2], [3, 4]])" (also with
// "np." or "numpy." in front, "matrix(...)", and ", dtype=..." before the
// closing parenthesis), bare nested lists "[[1, 2], [3, 4]]", and the rows
// print() writes, "[[1. 2.]\n [3. 4.]]". A one-dimensional array is one row.
// Complex elements "1+2j", "(1+2j)", "complex(1, 2)".

#include "interchange/element_grid.h"

#include <string_view>

// Claims a text that starts with an array or matrix call, or with "[" and,
// after white space, another "[".
NotationParse ParseNumpy(std::string_view text, bool complexMode);
