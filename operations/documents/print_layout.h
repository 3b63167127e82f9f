#pragma once
// The printed pages of a matrix, laid out in logical units of 0.01 inch
// (y grows upward, so rows go down the page at negative y).
//
// Every page has the frame around the printable area and the heading at
// (0, -24); the rows start at y = -48, 18 units apart, each at x = 5, and an
// element is followed by (its characters + the width setting) average
// character widths. Rows that do not fit below the page's bottom continue on
// the next page at the first row's height. Columns that would run past the
// right edge start a column block of their own: all rows of one block are
// printed before the next block, which starts on a new page. So every element
// is printed, whatever the matrix's size.

#include <newmat.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/printed_page.h"

// "Arial", 12 units high.
const PageFont& PrintFont();

// The number format of the printed elements: "%W.Df", or "%W.De" when
// exponential.
struct PrintFormat {
    int width = 4;
    int decimals = 2;
    bool exponential = false;
};

struct PageMetrics {
    int width = 0; // the printable area
    int height = 0;
    int averageCharWidth = 0;
    // The width a text takes in the print font; used to keep each element
    // inside the right edge.
    std::function<int(const std::string&)> textWidth;
};

// At least one page: a matrix without elements prints the frame and the
// heading only.
std::vector<PrintedPage> LayOutPrintedPages(const NEWMAT::Matrix& matrix,
                                            const std::string& heading, const PrintFormat& format,
                                            const PageMetrics& metrics);
