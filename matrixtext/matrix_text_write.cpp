#include "matrixtext/matrix_text.h"

#include "platform/number_format.h"

#include <algorithm>
#include <vector>

namespace {

constexpr char kLineEnd[] = "\r\n";

// Reserves room for a whole text once its first element is written, assuming
// the others are about as long: large texts then grow without reallocating.
void ReserveLike(std::string& text, std::size_t firstElementChars, const NEWMAT::Matrix& matrix) {
    const auto elements = static_cast<std::size_t>(matrix.Storage());
    text.reserve((firstElementChars + 1) * elements + 2 * static_cast<std::size_t>(matrix.Nrows()));
}

// Rows of elements written by `element`, separated by `width` blanks.
template <typename WriteElement>
std::string WriteRows(const NEWMAT::Matrix& matrix, int width, WriteElement element) {
    std::string text;
    if (matrix.Storage() == 0) return text;
    const int rows = matrix.Nrows();
    const int columns = matrix.Ncols();
    const std::string separator(width > 0 ? static_cast<std::size_t>(width) : 0, ' ');
    const double* value = matrix.Store();
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c, ++value) {
            if (c > 0) text += separator;
            element(text, *value);
            if (r == 0 && c == 0) ReserveLike(text, text.size() + separator.size(), matrix);
        }
        text += kLineEnd;
    }
    return text;
}

// Every element's text, written once in storage order, and the width of the
// widest text of each matrix column.
struct Cells {
    std::string text;
    std::vector<std::size_t> ends; // where each element's text ends
    std::vector<std::size_t> widths;
};

template <typename WriteElement>
Cells WriteCells(const NEWMAT::Matrix& matrix, WriteElement element) {
    Cells cells;
    const auto columns = static_cast<std::size_t>(matrix.Ncols());
    const auto count = static_cast<std::size_t>(matrix.Storage());
    cells.ends.reserve(count);
    cells.widths.assign(columns, 0);
    const double* value = matrix.Store();
    for (std::size_t k = 0; k < count; ++k) {
        const std::size_t start = cells.text.size();
        element(cells.text, value[k]);
        if (k == 0) cells.text.reserve((cells.text.size() + 1) * count);
        cells.ends.push_back(cells.text.size());
        std::size_t& widest = cells.widths[k % columns];
        widest = std::max(widest, cells.text.size() - start);
    }
    return cells;
}

// Element k right-aligned in a field of `width` characters.
void AppendCell(std::string& out, const Cells& cells, std::size_t k, std::size_t width) {
    const std::size_t start = k == 0 ? 0 : cells.ends[k - 1];
    const std::size_t length = cells.ends[k] - start;
    out.append(width - length, ' ');
    out.append(cells.text, start, length);
}

template <typename WriteElement>
std::string WriteAlignedRows(const NEWMAT::Matrix& matrix, int width, WriteElement element) {
    std::string text;
    if (matrix.Storage() == 0) return text;
    const Cells cells = WriteCells(matrix, element);
    const auto rows = static_cast<std::size_t>(matrix.Nrows());
    const auto columns = static_cast<std::size_t>(matrix.Ncols());
    // Without a blank between them, aligned numbers would run together.
    const std::string separator(width > 1 ? static_cast<std::size_t>(width) : 1, ' ');
    std::size_t lineLength = 2;
    for (const std::size_t widest : cells.widths)
        lineLength += widest + separator.size();
    text.reserve(lineLength * rows);
    for (std::size_t r = 0, k = 0; r < rows; ++r) {
        for (std::size_t c = 0; c < columns; ++c, ++k) {
            if (c > 0) text += separator;
            AppendCell(text, cells, k, cells.widths[c]);
        }
        text += kLineEnd;
    }
    return text;
}

template <typename WriteElement>
std::string WriteRowsIn(ColumnLayout layout, const NEWMAT::Matrix& matrix, int width,
                        WriteElement element) {
    return layout == ColumnLayout::Aligned ? WriteAlignedRows(matrix, width, element)
                                           : WriteRows(matrix, width, element);
}

// Pairs whose real parts and imaginary parts each line up by column.
std::string WriteAlignedPairs(const NEWMAT::Matrix& matrix, int fieldWidth, int decimals) {
    std::string text;
    if (matrix.Storage() == 0) return text;
    const Cells cells =
        WriteCells(matrix, [fieldWidth, decimals](std::string& out, double value) {
            AppendFixedField(out, value, fieldWidth, decimals);
        });
    const auto rows = static_cast<std::size_t>(matrix.Nrows());
    const auto columns = static_cast<std::size_t>(matrix.Ncols());
    const std::size_t n = columns / 2;
    for (std::size_t r = 0; r < rows; ++r) {
        const std::size_t row = r * columns;
        for (std::size_t j = 0; j < n; ++j) {
            text += '(';
            AppendCell(text, cells, row + j, cells.widths[j]);
            text += ", ";
            AppendCell(text, cells, row + n + j, cells.widths[n + j]);
            text += ")  ";
        }
        text += kLineEnd;
    }
    return text;
}

} // namespace

std::string FormatFixed(const NEWMAT::Matrix& matrix, int width, int decimals, int radix,
                        ColumnLayout layout) {
    if (radix < 2 || radix > 256 || radix == 10) {
        return WriteRowsIn(layout, matrix, width, [decimals](std::string& out, double value) {
            AppendFixedDecimals(out, value, decimals);
        });
    }
    return WriteRowsIn(layout, matrix, width, [radix](std::string& out, double value) {
        AppendInteger(out, TruncateToInt32(value), radix);
    });
}

std::string FormatExponential(const NEWMAT::Matrix& matrix, int width, int decimals,
                              ColumnLayout layout) {
    return WriteRowsIn(layout, matrix, width, [decimals](std::string& out, double value) {
        AppendExponent(out, value, decimals);
    });
}

std::string FormatComplex(const NEWMAT::Matrix& matrix, int fieldWidth, int decimals,
                          ColumnLayout layout) {
    if (layout == ColumnLayout::Aligned) return WriteAlignedPairs(matrix, fieldWidth, decimals);
    std::string text;
    if (matrix.Storage() == 0) return text;
    const int rows = matrix.Nrows();
    const int columns = matrix.Ncols();
    const int n = columns / 2;
    const double* row = matrix.Store();
    for (int r = 0; r < rows; ++r, row += columns) {
        for (int j = 0; j < n; ++j) {
            text += '(';
            AppendFixedField(text, row[j], fieldWidth, decimals);
            text += ", ";
            AppendFixedField(text, row[n + j], fieldWidth, decimals);
            text += ")  ";
            // One pair is two of the matrix's elements.
            if (r == 0 && j == 0) ReserveLike(text, text.size() / 2, matrix);
        }
        text += kLineEnd;
    }
    return text;
}
