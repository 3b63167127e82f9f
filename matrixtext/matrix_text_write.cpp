#include "matrixtext/matrix_text.h"

#include "platform/number_format.h"

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

} // namespace

std::string FormatFixed(const NEWMAT::Matrix& matrix, int width, int decimals, int radix) {
    if (radix < 2 || radix > 256 || radix == 10) {
        return WriteRows(matrix, width, [decimals](std::string& out, double value) {
            AppendFixedDecimals(out, value, decimals);
        });
    }
    return WriteRows(matrix, width, [radix](std::string& out, double value) {
        AppendInteger(out, TruncateToInt32(value), radix);
    });
}

std::string FormatExponential(const NEWMAT::Matrix& matrix, int width, int decimals) {
    return WriteRows(matrix, width, [decimals](std::string& out, double value) {
        AppendExponent(out, value, decimals);
    });
}

std::string FormatComplex(const NEWMAT::Matrix& matrix, int fieldWidth, int decimals) {
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
