#pragma once
// LaTeX matrices: the bmatrix, pmatrix, vmatrix, Bmatrix, Vmatrix, matrix,
// smallmatrix and array environments, cells separated by "&", rows by "\\"
// (a trailing "\\" and \hline allowed; array's column list skipped);
// numbers as "-1.5", "\frac{1}{2}", "1.5 \cdot 10^{-3}" ("\times" too);
// complex elements "1+2i", "2\mathrm{i}". Around the environment only math
// delimiters may stand: "$", "\[", "\]", "\(", "\)", "\left(", "\right)".

#include "interchange/element_grid.h"

#include <string_view>

// Claims a text that holds "\begin{" with one of the environments above.
NotationParse ParseLatex(std::string_view text, bool complexMode);
