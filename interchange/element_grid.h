#pragma once
// The elements a notation or a delimited file holds, row by row, before they
// become a matrix or the calculator's matrix text.

#include "interchange/element_syntax.h"

#include <newmat.h>

#include <cstddef>
#include <string>
#include <vector>

struct ElementGrid {
    std::size_t rows = 0;
    std::size_t columns = 0;
    std::vector<double> real;      // row by row
    std::vector<double> imaginary; // row by row, once an element had an imaginary part
    bool complex = false;

    bool IsComplex() const { return complex; }
};

// Collects elements row by row and refuses a ragged shape: every row must be
// as long as the first, and the first must hold an element.
class GridBuilder {
  public:
    // False when the current row is already as long as the first.
    bool Add(const ScannedElement& element);
    // Ends the current row; false when it is shorter than the first (or the
    // first is empty).
    bool EndRow();
    std::size_t ElementsInRow() const { return inRow_; }
    ElementGrid& Grid() { return grid_; }

  private:
    ElementGrid grid_;
    std::size_t inRow_ = 0;
};

// How reading a text in one notation went: the text is not in it (nothing
// claims it), it was read, or it is in it but cannot be read as a rectangle
// of numbers, `fault` being the first offending character.
struct NotationParse {
    enum class Status { NotClaimed, Read, Faulty };
    Status status = Status::NotClaimed;
    ElementGrid grid;
    std::size_t fault = 0;
};

NotationParse FaultAt(std::size_t at);
NotationParse ReadGrid(ElementGrid&& grid);

// The matrix text of a grid: one row a line ending in CR LF, elements one
// blank apart, each number in fixed notation with the fewest digits that
// read back to the same double (the matrix text has no exponent that every
// reader takes); in complex mode every element is a pair "(re, im)".
std::string GridAsMatrixText(const ElementGrid& grid, bool complexMode);

// The grid into `matrix`, resized to it; a complex grid in the dual layout
// [Re | Im].
void FillMatrix(const ElementGrid& grid, NEWMAT::Matrix& matrix);
