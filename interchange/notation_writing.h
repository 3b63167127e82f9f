#pragma once
// Copy As: a matrix written in another tool's notation.
//   LaTeX        \begin{bmatrix} 1 & 2 \\ 3 & 4 \end{bmatrix} (on four lines)
//   NumPy        np.array([[1, 2],
//                          [3, 4]])
//   MATLAB       [1 2;
//                 3 4]
//   MATLAB line  [1 2; 3 4]
//   Mathematica  {{1, 2}, {3, 4}}
//   CSV          1,2 / 3,4, one row a line
//   Markdown     a table with an empty header row
// Every number is written by the caller's formatter (blanks around its text
// dropped); an exponent "e" becomes "\cdot 10^{k}" in LaTeX and "*^k" in
// Mathematica, and infinities and NaN take each tool's own words. In complex
// mode the matrix is in the dual layout [Re | Im] (an odd last column is
// ignored) and each element is written "re+imj" as the tool reads complex
// numbers. A matrix without elements gives "".

#include <newmat.h>

#include <functional>
#include <optional>
#include <string>
#include <string_view>

enum class CopyNotation { Latex, Numpy, Matlab, MatlabLine, Mathematica, Csv, Markdown };

// The notation of a script word: "latex", "numpy", "matlab", "matlab-line",
// "mathematica", "csv", "markdown"; nullopt for any other.
std::optional<CopyNotation> CopyNotationNamed(std::string_view name);

using NumberFormatter = std::function<std::string(double)>;

std::string WriteMatrixAs(CopyNotation notation, const NEWMAT::Matrix& matrix, bool complexMode,
                          const NumberFormatter& format);
