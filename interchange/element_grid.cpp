#include "interchange/element_grid.h"

#include <charconv>

bool GridBuilder::Add(const ScannedElement& element) {
    if (grid_.rows > 0 && inRow_ == grid_.columns) return false;
    if (element.complex && !grid_.complex) {
        grid_.complex = true;
        grid_.imaginary.assign(grid_.real.size(), 0.0);
    }
    grid_.real.push_back(element.real);
    if (grid_.complex) grid_.imaginary.push_back(element.imaginary);
    ++inRow_;
    return true;
}

bool GridBuilder::EndRow() {
    if (inRow_ == 0 || (grid_.rows > 0 && inRow_ != grid_.columns)) return false;
    grid_.columns = inRow_;
    ++grid_.rows;
    inRow_ = 0;
    return true;
}

NotationParse FaultAt(std::size_t at) {
    NotationParse parse;
    parse.status = NotationParse::Status::Faulty;
    parse.fault = at;
    return parse;
}

NotationParse ReadGrid(ElementGrid&& grid) {
    NotationParse parse;
    parse.status = NotationParse::Status::Read;
    parse.grid = std::move(grid);
    return parse;
}

namespace {

void AppendFixed(std::string& out, double value) {
    char digits[400];
    const auto end = std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed).ptr;
    out.append(digits, end);
}

} // namespace

std::string GridAsMatrixText(const ElementGrid& grid, bool complexMode) {
    std::string text;
    std::size_t at = 0;
    for (std::size_t i = 0; i < grid.rows; ++i) {
        for (std::size_t j = 0; j < grid.columns; ++j, ++at) {
            if (j > 0) text += ' ';
            if (!complexMode) {
                AppendFixed(text, grid.real[at]);
                continue;
            }
            text += '(';
            AppendFixed(text, grid.real[at]);
            text += ", ";
            AppendFixed(text, grid.IsComplex() ? grid.imaginary[at] : 0.0);
            text += ')';
        }
        text += "\r\n";
    }
    return text;
}

void FillMatrix(const ElementGrid& grid, NEWMAT::Matrix& matrix) {
    const int rows = static_cast<int>(grid.rows);
    const int columns = static_cast<int>(grid.columns);
    matrix.ReSize(rows, grid.IsComplex() ? 2 * columns : columns);
    double* out = matrix.Store();
    std::size_t at = 0;
    for (int i = 0; i < rows; ++i) {
        for (int j = 0; j < columns; ++j, ++at) *out++ = grid.real[at];
        if (!grid.IsComplex()) continue;
        at -= static_cast<std::size_t>(columns);
        for (int j = 0; j < columns; ++j, ++at) *out++ = grid.imaginary[at];
    }
}
