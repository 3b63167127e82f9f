#include "operations/documents/document_format.h"

#include <algorithm>
#include <climits>
#include <fstream>
#include <sys/stat.h>

#include "archive/register_file.h"
#include "matrixlib/allocation_limit.h"
#include "platform/number_format.h"
#include "platform/number_parse.h"

namespace {

constexpr char kLineEnd[] = "\r\n";
// Enough digits that every double reads back to the same bits.
constexpr int kElementDigits = 17;
// A line's characters after these are skipped: no number needs more, and a
// line of binary data is never held whole.
constexpr std::size_t kKeptLineLength = 1024;

// Reads one line ended by CR LF, LF or a lone CR into `line` (its first
// kKeptLineLength characters). False at the end of the input.
bool ReadLine(std::streambuf& in, std::string& line) {
    line.clear();
    int c = in.sbumpc();
    if (c == std::char_traits<char>::eof()) return false;
    while (c != std::char_traits<char>::eof() && c != '\n' && c != '\r') {
        if (line.size() < kKeptLineLength) line += static_cast<char>(c);
        c = in.sbumpc();
    }
    if (c == '\r' && in.sgetc() == '\n') in.sbumpc();
    return true;
}

bool IsCSpace(char c) {
    return c == ' ' || c == '\t' || c == '\v' || c == '\f';
}

// A count as atoi reads it (leading blanks, a sign, decimal digits, anything
// after them ignored); false when no digit starts the line, the value is
// negative or it lies beyond the int range.
bool ReadCount(const std::string& line, long long& count) {
    std::size_t i = 0;
    while (i < line.size() && IsCSpace(line[i]))
        ++i;
    bool negative = false;
    if (i < line.size() && (line[i] == '+' || line[i] == '-')) negative = line[i++] == '-';
    if (i == line.size() || line[i] < '0' || line[i] > '9') return false;
    count = 0;
    for (; i < line.size() && line[i] >= '0' && line[i] <= '9'; ++i) {
        count = count * 10 + (line[i] - '0');
        if (count > INT_MAX) return false;
    }
    return !negative || count == 0;
}

} // namespace

std::string MatrixDocumentText(const NEWMAT::Matrix& matrix) {
    std::string text = std::to_string(matrix.Nrows()) + kLineEnd;
    text += std::to_string(matrix.Ncols()) + kLineEnd;
    for (int i = 1; i <= matrix.Nrows(); ++i)
        for (int j = 1; j <= matrix.Ncols(); ++j) {
            text += FormatSignificant(matrix(i, j), kElementDigits);
            text += kLineEnd;
        }
    return text;
}

DocumentReadResult ReadMatrixDocumentText(std::istream& in, std::uint64_t byteCount,
                                          NEWMAT::Matrix& matrix) {
    std::streambuf* buffer = in.rdbuf();
    if (!buffer) return DocumentReadResult::CannotOpen;
    std::string line;
    long long rows = 0;
    long long columns = 0;
    if (!ReadLine(*buffer, line) || !ReadCount(line, rows)) return DocumentReadResult::Refused;
    if (!ReadLine(*buffer, line) || !ReadCount(line, columns)) return DocumentReadResult::Refused;
    // An empty shape is refused beyond the extent a register may have.
    if ((rows == 0 || columns == 0) && double(std::max(rows, columns)) > kLargestEmptyExtent)
        return DocumentReadResult::Refused;
    const auto elements = static_cast<std::uint64_t>(rows) * static_cast<std::uint64_t>(columns);
    if (elements > byteCount || !ztmath::MatrixSizeAllowed(double(rows), double(columns)))
        return DocumentReadResult::Refused;

    NEWMAT::Matrix loaded(static_cast<int>(rows), static_cast<int>(columns));
    NEWMAT::Real* element = loaded.Store(); // row by row
    std::uint64_t k = 0;
    for (; k < elements && ReadLine(*buffer, line); ++k)
        element[k] = ParseLeadingDouble(line);
    for (; k < elements; ++k)
        element[k] = 0.0;
    loaded.Release(); // hands the elements over instead of copying them
    matrix = loaded;
    return DocumentReadResult::Ok;
}

DocumentReadResult ReadMatrixDocumentFile(const std::string& path, NEWMAT::Matrix& matrix) {
    // A pipe or device would block or never end.
    struct stat status {};
    if (stat(path.c_str(), &status) != 0 || !S_ISREG(status.st_mode))
        return DocumentReadResult::CannotOpen;
    std::ifstream file(path, std::ios::binary);
    if (!file) return DocumentReadResult::CannotOpen;
    return ReadMatrixDocumentText(file, static_cast<std::uint64_t>(status.st_size), matrix);
}
