#include "interchange/csv_notation.h"

#include "interchange/delimited_text.h"
#include "interchange/text_scan.h"

namespace {

bool HoldsOtherNotation(std::string_view text) {
    return text.find_first_of("[]{}()|\\") != std::string_view::npos;
}

bool EveryLineEndsWithComma(std::string_view text) {
    bool any = false;
    for (std::size_t start = 0; start < text.size();) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        const std::size_t last = TrimmedEnd(text.substr(0, end));
        if (last > start) {
            if (text[last - 1] != ',') return false;
            any = true;
        }
        start = end + 1;
    }
    return any;
}

// The dual layout [Re | Im] of a real grid read as complex columns.
ElementGrid DualColumnsAsComplex(const ElementGrid& dual) {
    ElementGrid grid;
    grid.rows = dual.rows;
    grid.columns = dual.columns / 2;
    grid.complex = true;
    for (std::size_t i = 0; i < dual.rows; ++i) {
        const double* row = dual.real.data() + i * dual.columns;
        grid.real.insert(grid.real.end(), row, row + grid.columns);
        grid.imaginary.insert(grid.imaginary.end(), row + grid.columns, row + dual.columns);
    }
    return grid;
}

} // namespace

NotationParse ParseCsv(std::string_view text, bool complexMode) {
    if (text.find_first_of(",\"") == std::string_view::npos || HoldsOtherNotation(text)) return {};
    DelimitedSyntax syntax;
    syntax.complexMode = complexMode;
    return ParseDelimited(text, syntax);
}

NotationParse ParseTextExport(std::string_view text, bool complexMode) {
    if (HoldsOtherNotation(text) || text.find('"') != std::string_view::npos || !EveryLineEndsWithComma(text))
        return {};
    DelimitedSyntax syntax;
    syntax.separatorEndsRows = true;
    NotationParse parse = ParseDelimited(text, syntax);
    if (complexMode && parse.status == NotationParse::Status::Read && parse.grid.columns % 2 == 0)
        parse.grid = DualColumnsAsComplex(parse.grid);
    return parse;
}
