#pragma once
// Rows copied from a spreadsheet: cells separated by tabs, one row a line.
// The matrix text format refuses the tab; this reads such a text when it is
// a rectangle of numbers, so that a paste from a spreadsheet sets as it shows.

#include <newmat.h>

#include <string>

// Reads `text` as tab-separated rows of numbers into `matrix`: every cell a
// number (blanks around it allowed, one empty cell after a row's last tab
// allowed), every row as long as the first, line breaks LF or CR LF, blank
// lines at the end ignored. False, with `matrix` untouched, for any text that
// holds no tab or is not such a rectangle.
bool ReadTabSeparated(const std::string& text, NEWMAT::Matrix& matrix);
