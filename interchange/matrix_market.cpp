#include "interchange/matrix_market.h"

#include "interchange/round_trip_number.h"
#include "interchange/text_scan.h"
#include "matrixlib/allocation_limit.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdint>
#include <vector>

namespace {

constexpr std::string_view kBanner = "%%MatrixMarket";

enum class Symmetry { General, Symmetric, SkewSymmetric, Hermitian };

struct Banner {
    bool coordinate = false;
    bool complex = false;
    bool pattern = false;
    Symmetry symmetry = Symmetry::General;
};

std::string Lower(std::string_view word) {
    std::string lower(word);
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

// The white-space separated words of one line and of the entries.
class Tokens {
  public:
    explicit Tokens(std::string_view text) : text_(text) {}

    std::string_view Next() {
        at_ = SkipWhiteSpace(text_, at_);
        const std::size_t start = at_;
        while (at_ < text_.size() && !IsWhiteSpace(text_[at_])) ++at_;
        return text_.substr(start, at_ - start);
    }

    // Moves past the rest of the line.
    void EndLine() {
        const std::size_t lf = text_.find('\n', at_);
        at_ = lf == std::string_view::npos ? text_.size() : lf + 1;
    }

    // Skips blank lines and "%" comment lines.
    void SkipComments() {
        for (;;) {
            at_ = SkipWhiteSpace(text_, at_);
            if (!CharacterAt(text_, at_, '%')) return;
            EndLine();
        }
    }

    // How many characters are left to read.
    std::size_t Left() const { return text_.size() - std::min(at_, text_.size()); }

    // The words left on the current line.
    std::vector<std::string_view> RestOfLine() {
        std::vector<std::string_view> words;
        for (;;) {
            at_ = SkipBlanks(text_, at_);
            if (at_ >= text_.size() || text_[at_] == '\n' || text_[at_] == '\r') break;
            words.push_back(Next());
        }
        EndLine();
        return words;
    }

  private:
    std::string_view text_;
    std::size_t at_ = 0;
};

bool ReadCount(std::string_view word, std::uint64_t& count) {
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), count);
    return error == std::errc() && end == word.data() + word.size() && count <= (std::uint64_t{1} << 53);
}

bool ReadValue(std::string_view word, double& value) {
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    return error == std::errc() && end == word.data() + word.size();
}

std::string ReadBanner(const std::vector<std::string_view>& words, Banner& banner) {
    if (words.size() != 5 || Lower(words[1]) != "matrix")
        return "The MatrixMarket header line must read \"%%MatrixMarket matrix FORMAT FIELD SYMMETRY\".";
    const std::string format = Lower(words[2]);
    const std::string field = Lower(words[3]);
    const std::string symmetry = Lower(words[4]);
    if (format != "array" && format != "coordinate") return "Unknown MatrixMarket format \"" + std::string(words[2]) + "\".";
    banner.coordinate = format == "coordinate";
    if (field != "real" && field != "double" && field != "integer" && field != "pattern" && field != "complex")
        return "Unknown MatrixMarket field \"" + std::string(words[3]) + "\".";
    banner.complex = field == "complex";
    banner.pattern = field == "pattern";
    if (banner.pattern && !banner.coordinate) return "A MatrixMarket array cannot be a pattern.";
    if (symmetry == "general") banner.symmetry = Symmetry::General;
    else if (symmetry == "symmetric") banner.symmetry = Symmetry::Symmetric;
    else if (symmetry == "skew-symmetric") banner.symmetry = Symmetry::SkewSymmetric;
    else if (symmetry == "hermitian") banner.symmetry = Symmetry::Hermitian;
    else return "Unknown MatrixMarket symmetry \"" + std::string(words[4]) + "\".";
    return {};
}

// Writes entries into the dual-layout store and mirrors them.
class EntryWriter {
  public:
    EntryWriter(NEWMAT::Matrix& matrix, std::size_t columns, Symmetry symmetry, bool complex)
        : store_(matrix.Store()), columns_(columns), stride_(complex ? 2 * columns : columns),
          symmetry_(symmetry), complex_(complex) {}

    void Add(std::size_t i, std::size_t j, double re, double im) {
        At(i, j, 0) += re;
        if (complex_) At(i, j, 1) += im;
        if (i == j || symmetry_ == Symmetry::General) return;
        const double sign = symmetry_ == Symmetry::SkewSymmetric ? -1 : 1;
        At(j, i, 0) += sign * re;
        if (complex_) At(j, i, 1) += (symmetry_ == Symmetry::Hermitian ? -1 : sign) * im;
    }

  private:
    double& At(std::size_t i, std::size_t j, int part) {
        return store_[i * stride_ + j + (part == 1 ? columns_ : 0)];
    }

    double* store_;
    std::size_t columns_;
    std::size_t stride_;
    Symmetry symmetry_;
    bool complex_;
};

std::string EntryName(std::uint64_t k) { return "entry " + std::to_string(k + 1); }

std::string EndsEarly(std::uint64_t read, std::uint64_t promised) {
    return "The MatrixMarket file ends after " + std::to_string(read) + " of its " + std::to_string(promised) +
           " entries.";
}

} // namespace

bool IsMatrixMarketText(std::string_view text) { return text.starts_with(kBanner); }

MatrixImport ReadMatrixMarket(std::string_view text) {
    return GuardedImport([&](MatrixImport& import) -> std::string {
        if (!IsMatrixMarketText(text)) return "This is not a MatrixMarket file.";
        Tokens tokens(text);
        Banner banner;
        if (std::string reason = ReadBanner(tokens.RestOfLine(), banner); !reason.empty())
            return reason;
        tokens.SkipComments();
        const std::vector<std::string_view> size = tokens.RestOfLine();
        std::uint64_t rows = 0;
        std::uint64_t columns = 0;
        std::uint64_t promised = 0;
        if (size.size() != (banner.coordinate ? 3u : 2u) || !ReadCount(size[0], rows) || !ReadCount(size[1], columns) ||
            (banner.coordinate && !ReadCount(size[2], promised)))
            return "The MatrixMarket size line is damaged.";
        // Without elements it is the empty matrix, however long its one side.
        if (rows == 0 || columns == 0) rows = columns = 0;
        if (banner.symmetry != Symmetry::General && rows != columns)
            return "A symmetric MatrixMarket matrix must be square.";
        if (!ztmath::MatrixSizeAllowed(static_cast<double>(rows), static_cast<double>(columns) * (banner.complex ? 2 : 1)))
            return "The matrix is too large.";
        const std::uint64_t triangle = banner.symmetry == Symmetry::SkewSymmetric ? rows * (rows - std::min<std::uint64_t>(rows, 1)) / 2
                                                                                 : rows * (rows + 1) / 2;
        const std::uint64_t places = banner.symmetry == Symmetry::General ? rows * columns : triangle;
        if (!banner.coordinate) promised = places;
        else if (promised > places) return "The MatrixMarket size line promises more entries than the matrix has places.";
        // Every number takes a character and a separator at the least (two
        // numbers an entry in the coordinate form): a short file cannot hold
        // what its size line promises, and nothing is allocated for it.
        const std::uint64_t leastCharacters = promised * (banner.coordinate ? 4 : 2);
        if (promised > 0 && leastCharacters - 1 > tokens.Left())
            return "The MatrixMarket file holds fewer values than its size line promises.";

        import.complex = banner.complex;
        import.matrix.ReSize(static_cast<int>(rows), static_cast<int>(columns * (banner.complex ? 2 : 1)));
        import.matrix = 0.0;
        EntryWriter writer(import.matrix, columns, banner.symmetry, banner.complex);
        // The array form's next place, column by column, on and below the
        // diagonal for the symmetric kinds.
        std::uint64_t arrayRow = banner.symmetry == Symmetry::SkewSymmetric ? 1 : 0;
        std::uint64_t arrayColumn = 0;
        for (std::uint64_t k = 0; k < promised; ++k) {
            std::uint64_t i = arrayRow;
            std::uint64_t j = arrayColumn;
            if (banner.coordinate) {
                const std::string_view first = tokens.Next();
                const std::string_view second = tokens.Next();
                if (first.empty() || second.empty())
                    return EndsEarly(k, promised);
                if (!ReadCount(first, i) || !ReadCount(second, j) || i < 1 || j < 1 || i > rows || j > columns)
                    return "The place of " + EntryName(k) + " lies outside the matrix.";
                --i;
                --j;
                if (banner.symmetry != Symmetry::General && (j > i || (j == i && banner.symmetry == Symmetry::SkewSymmetric)))
                    return "The place of " + EntryName(k) + " lies above the diagonal of a symmetric matrix.";
            } else if (++arrayRow == rows) {
                ++arrayColumn;
                arrayRow = banner.symmetry == Symmetry::General ? 0 : arrayColumn + (banner.symmetry == Symmetry::SkewSymmetric ? 1 : 0);
            }
            double re = 1;
            double im = 0;
            if (!banner.pattern) {
                const std::string_view value = tokens.Next();
                if (value.empty())
                    return EndsEarly(k, promised);
                if (!ReadValue(value, re) || (banner.complex && !ReadValue(tokens.Next(), im)))
                    return "The value of " + EntryName(k) + " is not a number.";
            }
            writer.Add(static_cast<std::size_t>(i), static_cast<std::size_t>(j), re, im);
        }
        tokens.SkipComments();
        if (!tokens.Next().empty()) return "The MatrixMarket file holds more entries than its size line says.";
        return {};
    });
}

std::string MatrixMarketText(const NEWMAT::Matrix& matrix, bool complexMode) {
    const int rows = matrix.Nrows();
    const int columns = complexMode ? matrix.Ncols() / 2 : matrix.Ncols();
    std::string text = std::string(kBanner) + " matrix array " + (complexMode ? "complex" : "real") + " general\n";
    text += std::to_string(rows) + " " + std::to_string(columns) + "\n";
    for (int j = 1; j <= columns; ++j) {
        for (int i = 1; i <= rows; ++i) {
            text += RoundTripNumber(matrix(i, j));
            if (complexMode) {
                text += ' ';
                text += RoundTripNumber(matrix(i, j + columns));
            }
            text += '\n';
        }
    }
    return text;
}
