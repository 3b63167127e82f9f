#include "matrixtext/matrix_text.h"

#include "platform/number_format.h"
#include "platform/parallel_parts.h"

#include <algorithm>
#include <cstdint>
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

// Reserves room for a text of `rows` rows and `elements` elements once its
// first element is written, assuming the others are about as long: large
// texts then grow without reallocating.
void ReserveLike(std::string& text, std::size_t firstElementChars, std::size_t elements,
                 std::size_t rows) {
    text.reserve((firstElementChars + 1) * elements + 2 * rows);
}

// Writes `count` blanks; `to` has room for at least eight.
char* WriteBlanks(char* to, std::size_t count) {
    if (count <= 8)
        std::memcpy(to, "        ", 8);
    else
        std::memset(to, ' ', count);
    return to + count;
}

// Matrices of at least this many elements are written in parts of whole
// rows side by side, one part per core, each into a text of its own; the
// texts are then joined in order.
constexpr std::size_t kPartedElements = std::size_t{1} << 16;

// Rows [first, last) of a matrix, and how many rows of text the part's
// text is to hold room for: the first part's text becomes the whole text,
// so it holds room for all of them.
struct RowRange {
    std::size_t first = 0;
    std::size_t last = 0;
    std::size_t reservedRows = 0;

    std::size_t Rows() const { return last - first; }
};

// The rows of a matrix with elements, in as many parts as it is written in.
std::vector<RowRange> RowParts(const NEWMAT::Matrix& matrix) {
    const auto rows = static_cast<std::size_t>(matrix.Nrows());
    const std::size_t count =
        std::min(rows, PartsFor(static_cast<std::size_t>(matrix.Storage()), kPartedElements));
    std::vector<RowRange> ranges(count);
    for (std::size_t k = 0; k < count; ++k) {
        ranges[k].first = rows * k / count;
        ranges[k].last = rows * (k + 1) / count;
        ranges[k].reservedRows = k == 0 ? rows : ranges[k].Rows();
    }
    return ranges;
}

// The texts of the parts, in order, as one text.
std::string Joined(std::vector<std::string>& texts) {
    std::size_t total = 0;
    for (const std::string& text : texts)
        total += text.size();
    std::string whole = std::move(texts.front());
    whole.reserve(total);
    for (std::size_t k = 1; k < texts.size(); ++k) {
        whole.append(texts[k]);
        std::string().swap(texts[k]); // each part's text freed once it is copied
    }
    return whole;
}

// The text of a matrix with elements, written by `write(range)` for the
// rows of each part.
template <typename WriteRange>
std::string WriteInRowParts(const NEWMAT::Matrix& matrix, WriteRange write) {
    const std::vector<RowRange> ranges = RowParts(matrix);
    std::vector<std::string> texts(ranges.size());
    RunParts(ranges.size(), [&](std::size_t k) { texts[k] = write(ranges[k]); });
    return Joined(texts);
}

// Rows of elements written by `element` (char* element(char* to, double),
// room as for the number writers), separated by `width` blanks. Each row is
// written in a buffer that stays in the cache and then appended, so the
// large text is written to memory only once.
template <typename WriteElement>
std::string WriteRowRange(const NEWMAT::Matrix& matrix, int width, WriteElement element,
                          const RowRange& range) {
    std::string text;
    const auto columns = static_cast<std::size_t>(matrix.Ncols());
    const std::size_t blanks = width > 0 ? static_cast<std::size_t>(width) : 0;
    const std::size_t room = kNumberRoom + std::max<std::size_t>(blanks, 8) + 2;
    TextBuffer line;
    const double* value = matrix.Store() + range.first * columns;
    for (std::size_t r = range.first; r < range.last; ++r) {
        line.Clear();
        char* to = line.Room(room);
        for (std::size_t c = 0; c < columns; ++c, ++value) {
            to = line.Room(room);
            if (c > 0) to = WriteBlanks(to, blanks);
            to = element(to, *value);
            line.Commit(to);
        }
        std::memcpy(to, kLineEnd, 2);
        line.Commit(to + 2);
        // The other rows are about as long as the first.
        if (r == range.first) text.reserve(line.Size() * range.reservedRows + room);
        text.append(line.Data(), line.Size());
    }
    return text;
}

template <typename WriteElement>
std::string WriteRows(const NEWMAT::Matrix& matrix, int width, WriteElement element) {
    if (matrix.Storage() == 0) return std::string();
    return WriteInRowParts(matrix, [&](const RowRange& range) {
        return WriteRowRange(matrix, width, element, range);
    });
}

// The text of every element of some rows, written once in storage order,
// and the width of the widest text of each matrix column among them.
struct Cells {
    std::string text;
    // Each element's text in turn, by its length: a million elements keep
    // four megabytes of lengths where ends would take eight.
    std::vector<std::uint32_t> lengths;
    std::vector<std::size_t> widths;
};

// `element` writes as WriteRowRange's does, into `room` characters.
template <typename WriteElement>
Cells WriteCells(const NEWMAT::Matrix& matrix, const RowRange& range, std::size_t room,
                 WriteElement element) {
    Cells cells;
    const auto columns = static_cast<std::size_t>(matrix.Ncols());
    const std::size_t count = range.Rows() * columns;
    cells.lengths.reserve(count);
    cells.widths.assign(columns, 0);
    TextBuffer text;
    std::size_t written = 0;
    const double* value = matrix.Store() + range.first * columns;
    for (std::size_t k = 0; k < count; ++k) {
        text.Commit(element(text.Room(room), value[k]));
        if (k + 1 == columns) text.Expect(text.Size() * (count / columns) + room);
        const std::size_t length = text.Size() - written;
        written = text.Size();
        cells.lengths.push_back(static_cast<std::uint32_t>(length));
        std::size_t& widest = cells.widths[k % columns];
        widest = std::max(widest, length);
    }
    cells.text = text.Take();
    return cells;
}

// Each part's cells, and the widths of the widest of all of them.
struct AllCells {
    std::vector<RowRange> ranges;
    std::vector<Cells> parts;
    std::vector<std::size_t> widths;
};

template <typename WriteElement>
AllCells WriteAllCells(const NEWMAT::Matrix& matrix, std::size_t room, WriteElement element) {
    AllCells all;
    all.ranges = RowParts(matrix);
    all.parts.resize(all.ranges.size());
    RunParts(all.ranges.size(), [&](std::size_t k) {
        all.parts[k] = WriteCells(matrix, all.ranges[k], room, element);
    });
    all.widths.assign(static_cast<std::size_t>(matrix.Ncols()), 0);
    for (const Cells& cells : all.parts)
        for (std::size_t c = 0; c < all.widths.size(); ++c)
            all.widths[c] = std::max(all.widths[c], cells.widths[c]);
    return all;
}

// The text of each part's rows, written by `layOut(range, cells)`, as one.
template <typename LayOut> std::string LayOutInRowParts(AllCells& all, LayOut layOut) {
    std::vector<std::string> texts(all.ranges.size());
    RunParts(all.ranges.size(), [&](std::size_t k) {
        texts[k] = layOut(all.ranges[k], all.parts[k]);
        all.parts[k] = Cells(); // freed as soon as laid out
    });
    return Joined(texts);
}

// A cell's text right-aligned in a field of `width` characters.
void AppendCell(std::string& out, const char* cell, std::size_t length, std::size_t width) {
    out.append(width - length, ' ');
    out.append(cell, length);
}

template <typename WriteElement>
std::string WriteAlignedRows(const NEWMAT::Matrix& matrix, int width, WriteElement element) {
    if (matrix.Storage() == 0) return std::string();
    AllCells all = WriteAllCells(matrix, kNumberRoom, element);
    const auto columns = static_cast<std::size_t>(matrix.Ncols());
    // Without a blank between them, aligned numbers would run together.
    const std::string separator(width > 1 ? static_cast<std::size_t>(width) : 1, ' ');
    std::size_t lineLength = 2;
    for (const std::size_t widest : all.widths)
        lineLength += widest + separator.size();
    return LayOutInRowParts(all, [&](const RowRange& range, const Cells& cells) {
        std::string text;
        text.reserve(lineLength * range.reservedRows);
        const char* cell = cells.text.data();
        for (std::size_t r = 0, k = 0; r < range.Rows(); ++r) {
            for (std::size_t c = 0; c < columns; ++c, ++k) {
                if (c > 0) text += separator;
                AppendCell(text, cell, cells.lengths[k], all.widths[c]);
                cell += cells.lengths[k];
            }
            text += kLineEnd;
        }
        return text;
    });
}

template <typename WriteElement>
std::string WriteRowsIn(ColumnLayout layout, const NEWMAT::Matrix& matrix, int width,
                        WriteElement element) {
    return layout == ColumnLayout::Aligned ? WriteAlignedRows(matrix, width, element)
                                           : WriteRows(matrix, width, element);
}

// Pairs whose real parts and imaginary parts each line up by column.
std::string WriteAlignedPairs(const NEWMAT::Matrix& matrix, int fieldWidth, int decimals) {
    if (matrix.Storage() == 0) return std::string();
    const std::size_t room = kNumberRoom + static_cast<std::size_t>(std::abs(fieldWidth));
    AllCells all = WriteAllCells(matrix, room, [fieldWidth, decimals](char* to, double value) {
        std::string field;
        AppendFixedField(field, value, fieldWidth, decimals);
        return std::copy(field.begin(), field.end(), to);
    });
    const auto columns = static_cast<std::size_t>(matrix.Ncols());
    const std::size_t n = columns / 2;
    return LayOutInRowParts(all, [&](const RowRange& range, const Cells& cells) {
        std::string text;
        // Where each cell of the row at hand starts.
        std::vector<const char*> starts(columns);
        const char* cell = cells.text.data();
        for (std::size_t r = 0; r < range.Rows(); ++r) {
            const std::size_t row = r * columns;
            for (std::size_t c = 0; c < columns; ++c) {
                starts[c] = cell;
                cell += cells.lengths[row + c];
            }
            for (std::size_t j = 0; j < n; ++j) {
                text += '(';
                AppendCell(text, starts[j], cells.lengths[row + j], all.widths[j]);
                text += ", ";
                AppendCell(text, starts[n + j], cells.lengths[row + n + j], all.widths[n + j]);
                text += ")  ";
            }
            text += kLineEnd;
        }
        return text;
    });
}

// Rows of pairs "(" re ", " im ")  ", as FormatComplex writes them.
std::string WritePairRange(const NEWMAT::Matrix& matrix, int fieldWidth, int decimals,
                           const RowRange& range) {
    std::string text;
    const auto columns = static_cast<std::size_t>(matrix.Ncols());
    const std::size_t n = columns / 2;
    const double* row = matrix.Store() + range.first * columns;
    for (std::size_t r = range.first; r < range.last; ++r, row += columns) {
        for (std::size_t j = 0; j < n; ++j) {
            text += '(';
            AppendFixedField(text, row[j], fieldWidth, decimals);
            text += ", ";
            AppendFixedField(text, row[n + j], fieldWidth, decimals);
            text += ")  ";
            // One pair is two of the matrix's elements.
            if (r == range.first && j == 0)
                ReserveLike(text, text.size() / 2, range.reservedRows * columns,
                            range.reservedRows);
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
    if (matrix.Storage() == 0) return std::string();
    return WriteInRowParts(matrix, [&](const RowRange& range) {
        return WritePairRange(matrix, fieldWidth, decimals, range);
    });
}

std::string FormatEachElement(const NEWMAT::Matrix& matrix, int width, ElementWriter element,
                              ColumnLayout layout) {
    return WriteRowsIn(layout, matrix, width, element);
}
