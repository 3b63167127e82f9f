#include "matrixtext/matrix_text.h"

#include "platform/number_format.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

constexpr char kLineEnd[] = "\r\n";

// A text written in place: writers ask for room, write into it and say
// where they stopped. The buffer grows in large steps, so an element costs a
// few stores rather than an append of its own.
class TextBuffer {
  public:
    char* Room(std::size_t count) {
        if (text_.size() - used_ < count) text_.resize(std::max(2 * text_.size(), used_ + count));
        return text_.data() + used_;
    }
    void Commit(const char* end) { used_ = static_cast<std::size_t>(end - text_.data()); }
    const char* Data() const { return text_.data(); }
    std::size_t Size() const { return used_; }
    void Clear() { used_ = 0; }
    // Sized for `total` characters in all, once the first ones show how
    // long the text will be.
    void Expect(std::size_t total) {
        if (total > text_.size()) text_.resize(total);
    }
    std::string Take() {
        text_.resize(used_);
        return std::move(text_);
    }

  private:
    std::string text_;
    std::size_t used_ = 0;
};

// Reserves room for a whole text once its first element is written, assuming
// the others are about as long: large texts then grow without reallocating.
void ReserveLike(std::string& text, std::size_t firstElementChars, const NEWMAT::Matrix& matrix) {
    const auto elements = static_cast<std::size_t>(matrix.Storage());
    text.reserve((firstElementChars + 1) * elements + 2 * static_cast<std::size_t>(matrix.Nrows()));
}

// Writes `count` blanks; `to` has room for at least eight.
char* WriteBlanks(char* to, std::size_t count) {
    if (count <= 8)
        std::memcpy(to, "        ", 8);
    else
        std::memset(to, ' ', count);
    return to + count;
}

// Rows of elements written by `element` (char* element(char* to, double),
// room as for the number writers), separated by `width` blanks. Each row is
// written in a buffer that stays in the cache and then appended, so the
// large text is written to memory only once.
template <typename WriteElement>
std::string WriteRows(const NEWMAT::Matrix& matrix, int width, WriteElement element) {
    std::string text;
    if (matrix.Storage() == 0) return text;
    const int rows = matrix.Nrows();
    const int columns = matrix.Ncols();
    const std::size_t blanks = width > 0 ? static_cast<std::size_t>(width) : 0;
    const std::size_t room = kNumberRoom + std::max<std::size_t>(blanks, 8) + 2;
    TextBuffer line;
    const double* value = matrix.Store();
    for (int r = 0; r < rows; ++r) {
        line.Clear();
        char* to = line.Room(room);
        for (int c = 0; c < columns; ++c, ++value) {
            to = line.Room(room);
            if (c > 0) to = WriteBlanks(to, blanks);
            to = element(to, *value);
            line.Commit(to);
        }
        std::memcpy(to, kLineEnd, 2);
        line.Commit(to + 2);
        // The other rows are about as long as the first.
        if (r == 0) text.reserve(line.Size() * static_cast<std::size_t>(rows) + room);
        text.append(line.Data(), line.Size());
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

// `element` writes as WriteRows's does, into `room` characters.
template <typename WriteElement>
Cells WriteCells(const NEWMAT::Matrix& matrix, std::size_t room, WriteElement element) {
    Cells cells;
    const auto columns = static_cast<std::size_t>(matrix.Ncols());
    const auto count = static_cast<std::size_t>(matrix.Storage());
    cells.ends.reserve(count);
    cells.widths.assign(columns, 0);
    TextBuffer text;
    const double* value = matrix.Store();
    for (std::size_t k = 0; k < count; ++k) {
        text.Commit(element(text.Room(room), value[k]));
        if (k + 1 == columns) text.Expect(text.Size() * (count / columns) + room);
        cells.ends.push_back(text.Size());
        std::size_t& widest = cells.widths[k % columns];
        widest = std::max(widest, text.Size() - (k == 0 ? 0 : cells.ends[k - 1]));
    }
    cells.text = text.Take();
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
    const Cells cells = WriteCells(matrix, kNumberRoom, element);
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
    std::string field;
    const std::size_t room = kNumberRoom + static_cast<std::size_t>(std::abs(fieldWidth));
    const Cells cells = WriteCells(matrix, room, [&](char* to, double value) {
        field.clear();
        AppendFixedField(field, value, fieldWidth, decimals);
        return std::copy(field.begin(), field.end(), to);
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
        return WriteRowsIn(layout, matrix, width, [decimals](char* to, double value) {
            return WriteFixedDecimals(to, value, decimals);
        });
    }
    return WriteRowsIn(layout, matrix, width, [radix](char* to, double value) {
        return WriteInteger(to, TruncateToInt32(value), radix);
    });
}

std::string FormatExponential(const NEWMAT::Matrix& matrix, int width, int decimals,
                              ColumnLayout layout) {
    return WriteRowsIn(layout, matrix, width, [decimals](char* to, double value) {
        return WriteExponent(to, value, decimals);
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

std::string FormatEachElement(const NEWMAT::Matrix& matrix, int width, ElementWriter element,
                              ColumnLayout layout) {
    return WriteRowsIn(layout, matrix, width, element);
}
