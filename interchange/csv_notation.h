#pragma once
// Pasted comma-separated values, and the calculator's own text export
// ("Save to Text File": every element followed by ", ", also the last of its
// row). Neither claims a text with brackets, braces, parentheses, "|" or a
// backslash, so complex matrix text and the other notations never reach
// them.

#include "interchange/element_grid.h"

#include <string_view>

// Claims a text that holds a comma or a double quote.
NotationParse ParseCsv(std::string_view text, bool complexMode);

// Claims a text whose every line that is not blank ends with a comma. The
// export writes a complex matrix in its dual layout [Re | Im], so in complex
// mode an even number of columns 2n reads back as n complex columns.
NotationParse ParseTextExport(std::string_view text, bool complexMode);
