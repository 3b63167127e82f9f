#pragma once
// Markdown tables: "| 1 | 2 |" rows with a "|---|---|" delimiter row (colons
// for alignment allowed; the outer pipes optional). The row above the
// delimiter row is the table's header: skipped when it holds no number, read
// as the first row when it holds only numbers.

#include "interchange/element_grid.h"

#include <string_view>

// Claims a text that has a delimiter row among its first two lines.
NotationParse ParseMarkdown(std::string_view text, bool complexMode);
