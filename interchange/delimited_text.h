#pragma once
// Rows of cells separated by one character: comma-separated values (a cell
// may stand in double quotes) and tab-separated values. Line breaks LF or
// CR LF; blank lines at the end are ignored; a first row whose cells are all
// non-numbers (a header) is skipped.

#include "interchange/element_grid.h"

#include <string_view>

struct DelimitedSyntax {
    char separator = ',';
    bool complexMode = false;
    // Every row ends with a separator (the calculator's own text export,
    // "1., 2.5, ").
    bool separatorEndsRows = false;
};

// Reads the rows of `text`; every cell must be one element and every row as
// long as the first. Never returns NotClaimed.
NotationParse ParseDelimited(std::string_view text, const DelimitedSyntax& syntax);
