#include "interchange/delimited_file.h"

#include "interchange/delimited_text.h"
#include "interchange/notation_writing.h"
#include "interchange/round_trip_number.h"
#include "matrixlib/allocation_limit.h"

#include <algorithm>

namespace {

std::string PlaceOf(std::string_view text, std::size_t at) {
    const std::size_t line = static_cast<std::size_t>(std::count(text.begin(), text.begin() + at, '\n')) + 1;
    const std::size_t lineStart = text.rfind('\n', at == 0 ? 0 : at - 1);
    const std::size_t column = at - (lineStart == std::string_view::npos || at == 0 ? 0 : lineStart + 1) + 1;
    return "line " + std::to_string(line) + ", column " + std::to_string(column);
}

} // namespace

MatrixImport ReadDelimitedText(std::string_view text, char separator) {
    return GuardedImport([&](MatrixImport& import) -> std::string {
        DelimitedSyntax syntax;
        syntax.separator = separator;
        syntax.complexMode = true;
        const NotationParse parse = ParseDelimited(text, syntax);
        if (parse.status != NotationParse::Status::Read)
            return "The file is not a table of numbers (" + PlaceOf(text, std::min(parse.fault, text.size())) + ").";
        const ElementGrid& grid = parse.grid;
        const double columns = static_cast<double>(grid.columns) * (grid.IsComplex() ? 2 : 1);
        if (!ztmath::MatrixSizeAllowed(static_cast<double>(grid.rows), columns))
            return "The matrix is too large.";
        FillMatrix(grid, import.matrix);
        import.complex = grid.IsComplex();
        return {};
    });
}

std::string DelimitedText(const NEWMAT::Matrix& matrix, bool complexMode, char separator) {
    std::string text = WriteMatrixAs(CopyNotation::Csv, matrix, complexMode, RoundTripNumber);
    // No number, word or sign written holds a comma.
    if (separator != ',') std::replace(text.begin(), text.end(), ',', separator);
    return text;
}
