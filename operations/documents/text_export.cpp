#include "operations/documents/text_export.h"

#include "platform/number_format.h"

namespace {
constexpr int kExportDigits = 7;
constexpr char kSeparator[] = ", ";
constexpr char kLineEnd[] = "\r\n";
} // namespace

std::string MatrixExportText(const NEWMAT::Matrix& matrix) {
    std::string text;
    for (int i = 1; i <= matrix.Nrows(); ++i) {
        for (int j = 1; j <= matrix.Ncols(); ++j) {
            text += FormatSignificant(matrix(i, j), kExportDigits);
            text += kSeparator;
        }
        text += kLineEnd;
    }
    text += kLineEnd;
    return text;
}
