#include "matrixtext/spreadsheet_text.h"

#include "platform/number_parse.h"

#include <algorithm>
#include <string_view>
#include <vector>

namespace {

std::string_view Trimmed(std::string_view cell) {
    const std::size_t first = cell.find_first_not_of(" \r");
    if (first == std::string_view::npos) return {};
    return cell.substr(first, cell.find_last_not_of(" \r") - first + 1);
}

// The cells of one line, read as numbers; false when a cell is no number.
bool ReadRow(std::string_view line, std::vector<double>& values) {
    if (!line.empty() && line.back() == '\t') line.remove_suffix(1);
    for (std::size_t start = 0;;) {
        const std::size_t tab = line.find('\t', start);
        const std::string cell(Trimmed(line.substr(start, tab - start)));
        const char* end = nullptr;
        const double value = ReadCNumber(cell.c_str(), &end);
        if (cell.empty() || end != cell.c_str() + cell.size()) return false;
        values.push_back(value);
        if (tab == std::string_view::npos) return true;
        start = tab + 1;
    }
}

} // namespace

bool ReadTabSeparated(const std::string& text, NEWMAT::Matrix& matrix) {
    if (text.find('\t') == std::string::npos) return false;
    std::string_view rest(text);
    while (!rest.empty() && (rest.back() == '\n' || rest.back() == '\r' || rest.back() == ' '))
        rest.remove_suffix(1);
    std::vector<double> values;
    std::size_t rows = 0;
    std::size_t columns = 0;
    for (std::size_t start = 0; start <= rest.size(); ++rows) {
        const std::size_t lf = rest.find('\n', start);
        const std::size_t before = values.size();
        if (!ReadRow(rest.substr(start, lf - start), values)) return false;
        if (rows == 0) columns = values.size();
        if (values.size() - before != columns) return false;
        if (lf == std::string_view::npos) break;
        start = lf + 1;
    }
    ++rows;
    matrix.ReSize(static_cast<int>(rows), static_cast<int>(columns));
    std::copy(values.begin(), values.end(), matrix.Store());
    return true;
}
