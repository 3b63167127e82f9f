#pragma once
// The steps of an elimination as text to show, copy or print: plain lines
// for the transcript and the clipboard, and LaTeX.

#include "exact/exact_steps.h"
#include "exact/float_steps.h"
#include "exact/rational_matrix.h"

#include <newmat.h>

#include <functional>
#include <string>
#include <vector>

// A matrix as the texts of its elements, row by row.
struct ShownMatrix {
    int rows = 0;
    int columns = 0;
    std::vector<std::string> cells;
};

struct ShownStep {
    std::string operation; // OperationText
    ShownMatrix after;
};

using ElementText = std::function<std::string(double)>;

// Exact elements in fractions (RationalText).
ShownMatrix ShowMatrix(const RationalMatrix& m);
// Each element as `element` writes it (the display's format).
ShownMatrix ShowMatrix(const NEWMAT::Matrix& m, const ElementText& element);
std::vector<ShownStep> ShowSteps(const std::vector<ExactStep>& steps);
std::vector<ShownStep> ShowSteps(const std::vector<FloatStep>& steps, const ElementText& element);

// Each step as a line "step R2 <- R2 - 3/2*R1" followed by the rows of its
// matrix, every column right-aligned to its widest element and columns at
// least `width` (at least one) blanks apart; every line ends in "\n".
std::string StepsText(const std::vector<ShownStep>& steps, int width);

// One amsmath align* environment: the starting matrix, then each step's
// matrix behind an arrow labelled with its operation
// (\xrightarrow{R_{2} \leftarrow R_{2} - \tfrac{3}{2} R_{1}}), one step
// per line, matrices as bmatrix with fractions as \frac.
std::string StepsLatex(const ShownMatrix& start, const std::vector<ShownStep>& steps);
