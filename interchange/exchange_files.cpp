#include "interchange/exchange_files.h"

#include "interchange/delimited_file.h"
#include "interchange/file_saving.h"
#include "interchange/input_file.h"
#include "interchange/matrix_market.h"
#include "interchange/notation_writing.h"
#include "interchange/npy_file.h"
#include "interchange/round_trip_number.h"

#include <cctype>

namespace {

std::string LowerExtension(const std::string& path) {
    const std::size_t dot = path.find_last_of("./");
    if (dot == std::string::npos || path[dot] != '.') return {};
    std::string extension = path.substr(dot + 1);
    for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return extension;
}

std::optional<ExchangeKind> KindOfExtension(const std::string& path) {
    const std::string extension = LowerExtension(path);
    if (extension == "npy") return ExchangeKind::Npy;
    if (extension == "csv") return ExchangeKind::Csv;
    if (extension == "tsv") return ExchangeKind::Tsv;
    if (extension == "mm") return ExchangeKind::MatrixMarket;
    if (extension == "tex") return ExchangeKind::Latex;
    return std::nullopt;
}

MatrixImport ImportText(const std::string& path, std::optional<ExchangeKind> kind) {
    const FileText file = ReadFileText(path);
    if (!file.error.empty()) return ImportRefused(file.error);
    if (IsMatrixMarketText(file.text) || kind == ExchangeKind::MatrixMarket) return ReadMatrixMarket(file.text);
    if (kind == ExchangeKind::Csv) return ReadDelimitedText(file.text, ',');
    if (kind == ExchangeKind::Tsv) return ReadDelimitedText(file.text, '\t');
    return ImportRefused("Only .npy, .csv, .tsv and MatrixMarket files can be imported.");
}

} // namespace

std::optional<ExchangeKind> ExportKindOf(const std::string& path) { return KindOfExtension(path); }

bool IsMatrixMarketFile(const std::string& path) {
    InputFile file(path);
    std::string start(std::min<std::size_t>(file.Size(), 14), '\0');
    return file.IsOpen() && file.Read(start.data(), start.size()) && IsMatrixMarketText(start);
}

bool IsImportFile(const std::string& path) {
    const std::optional<ExchangeKind> kind = KindOfExtension(path);
    return (kind && kind != ExchangeKind::Latex) || IsMatrixMarketFile(path);
}

MatrixImport ImportMatrixFile(const std::string& path) {
    const std::optional<ExchangeKind> kind = KindOfExtension(path);
    if (kind == ExchangeKind::Npy && !IsMatrixMarketFile(path)) return ImportNpyFile(path);
    return ImportText(path, kind);
}

std::string ExportMatrixFile(const std::string& path, const NEWMAT::Matrix& matrix, bool complexMode) {
    try {
        switch (KindOfExtension(path).value_or(ExchangeKind::Latex)) {
        case ExchangeKind::Npy: return ExportNpyFile(path, matrix, complexMode);
        case ExchangeKind::Csv: return SaveMessage(SaveFileSafely(path, DelimitedText(matrix, complexMode, ',')));
        case ExchangeKind::Tsv: return SaveMessage(SaveFileSafely(path, DelimitedText(matrix, complexMode, '\t')));
        case ExchangeKind::MatrixMarket: return SaveMessage(SaveFileSafely(path, MatrixMarketText(matrix, complexMode)));
        case ExchangeKind::Latex: break;
        }
        if (!KindOfExtension(path)) return "Only .npy, .csv, .tsv, .mm and .tex files can be exported.";
        return SaveMessage(SaveFileSafely(path, WriteMatrixAs(CopyNotation::Latex, matrix, complexMode, RoundTripNumber) + "\n"));
    } catch (...) {
        return "Not enough memory to write the file.";
    }
}
