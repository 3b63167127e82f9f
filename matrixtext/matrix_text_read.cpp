#include "matrixtext/matrix_text.h"

#include "platform/number_parse.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cstring>
#include <string_view>
#include <vector>

// Every reader walks its text once with a position that only moves forward,
// without copying it; strtod reads each number where it starts.

namespace {

// Character classes of the readers and of the real-mode entry check, one
// table lookup per character.
enum CharClass : unsigned char {
    kPlainNumber = 1, // "+-.0123456789\r\n": what the plain reader passes over
    kCSpace = 2,      // what strtod skips
    kRealEntry = 4,   // allowed in a real-mode entry: digits . + - e E blank CR LF
    kExponentMark = 8 // e E
};

constexpr std::array<unsigned char, 256> MakeClasses() {
    std::array<unsigned char, 256> classes{};
    for (unsigned char c : std::string_view("+-.0123456789\r\n"))
        classes[c] |= kPlainNumber | kRealEntry;
    for (unsigned char c : std::string_view(" \t\n\v\f\r"))
        classes[c] |= kCSpace;
    for (unsigned char c : std::string_view("eE"))
        classes[c] |= kExponentMark | kRealEntry;
    classes[static_cast<unsigned char>(' ')] |= kRealEntry;
    return classes;
}

constexpr std::array<unsigned char, 256> kClasses = MakeClasses();

bool Is(char c, unsigned char charClass) {
    return (kClasses[static_cast<unsigned char>(c)] & charClass) != 0;
}

bool IsCSpace(char c) {
    return Is(c, kCSpace);
}

bool IsLineBreak(char c) {
    return c == '\n' || c == '\r';
}

// Lines split at LF; a final LF ends the last line rather than starting one.
std::size_t CountLines(const std::string& text) {
    if (text.empty()) return 0;
    // memchr finds the breaks of long lines far faster than a count of
    // every character.
    std::size_t breaks = 0;
    const char* const end = text.data() + text.size();
    for (const char* p = text.data(); p < end; ++p, ++breaks) {
        p = static_cast<const char*>(std::memchr(p, '\n', static_cast<std::size_t>(end - p)));
        if (!p) break;
    }
    return text.back() == '\n' ? breaks : breaks + 1;
}

// Blank-separated words of the first line: the likely column count.
std::size_t FirstLineWords(const std::string& text) {
    std::size_t words = 0;
    bool inWord = false;
    for (char c : text) {
        if (c == '\n') break;
        const bool space = IsCSpace(c);
        if (!space && !inWord) ++words;
        inWord = !space;
    }
    return words;
}

// How many numbers each line of a text holds, told one number at a time with
// its line (counted from 0): whether every one of the text's `rows` lines
// holds as many as the first.
class LineShape {
  public:
    void Number(std::size_t line) {
        if (line != line_) {
            CloseLine();
            if (line > line_ + 1) ragged_ = true; // a line without numbers between
            line_ = line;
            lineNumbers_ = 0;
        }
        ++lineNumbers_;
        ++numbers_;
    }
    // A number the reader passed over without reading it, such as the -2 of
    // "1-2" (strtod stops after the 1).
    void Ignored() { ++numbers_; }
    void Finish(std::size_t rows) {
        CloseLine();
        if (rows > 0 && line_ + 1 < rows) ragged_ = true; // lines without numbers at the end
    }
    void Report(EntryReading& reading) const {
        reading.numbers = numbers_;
        reading.raggedRows = ragged_;
    }

  private:
    void CloseLine() {
        if (line_ == 0)
            perLine_ = lineNumbers_;
        else if (lineNumbers_ != perLine_)
            ragged_ = true;
    }

    std::size_t line_ = 0;
    std::size_t lineNumbers_ = 0;
    std::size_t perLine_ = 0;
    std::size_t numbers_ = 0;
    bool ragged_ = false;
};

// The values of a text, read in order, poured row by row into `matrix` as
// rows x (count / rows), the surplus dropped. Storage for the guessed
// column count is taken at once and the values are written straight into
// it; only values beyond it go to a list of their own.
class RowFiller {
  public:
    RowFiller(NEWMAT::Matrix& matrix, std::size_t rows, std::size_t guessedColumns)
        : matrix_(matrix), rows_(rows), columns_(guessedColumns) {
        if (rows_ == 0 || columns_ == 0) return;
        matrix_.ReSize(static_cast<int>(rows_), static_cast<int>(columns_));
        first_ = next_ = matrix_.Store();
        end_ = first_ + rows_ * columns_;
    }

    void Add(double value) {
        if (next_ != end_)
            *next_++ = value;
        else
            rest_.push_back(value);
    }

    void Finish() {
        if (rows_ == 0) {
            matrix_.CleanUp();
            return;
        }
        const auto inPlace = static_cast<std::size_t>(next_ - first_);
        const std::size_t columns = (inPlace + rest_.size()) / rows_;
        // The guess held: every value the matrix keeps is in place.
        if (columns == columns_ && columns_ > 0) return;
        std::vector<double> values(first_, next_);
        values.insert(values.end(), rest_.begin(), rest_.end());
        matrix_.ReSize(static_cast<int>(rows_), static_cast<int>(columns));
        std::copy_n(values.begin(), rows_ * columns, matrix_.Store());
    }

  private:
    NEWMAT::Matrix& matrix_;
    std::size_t rows_;
    std::size_t columns_;
    double* first_ = nullptr;
    double* next_ = nullptr;
    double* end_ = nullptr;
    std::vector<double> rest_;
};

// A column guess whose storage the text could not fill (each value takes at
// least two characters) is not taken.
std::size_t PlausibleColumns(const std::string& text, std::size_t rows) {
    const std::size_t columns = FirstLineWords(text);
    const std::size_t most = std::min<std::size_t>(text.size() / 2 + 1, INT_MAX);
    return rows > 0 && columns <= most / rows ? columns : 0;
}

// rows x (values / rows) filled row by row; surplus values are dropped.
NEWMAT::Matrix FillRows(std::size_t rows, const std::vector<double>& values) {
    NEWMAT::Matrix matrix;
    if (rows == 0) return matrix;
    const std::size_t columns = values.size() / rows;
    matrix.ReSize(static_cast<int>(rows), static_cast<int>(columns));
    std::copy(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(rows * columns),
              matrix.Store());
    return matrix;
}

// The number strtod reads at `p`, or 0 when none starts there.
bool HasDigit(const char* from, const char* to) {
    return std::any_of(from, to, [](char c) { return c >= '0' && c <= '9'; });
}

// What the plain reader met while checking a real-mode entry as it read.
enum class PlainOutcome { Read, Invalid, Exponent };

// The plain reader. It reads each line as a blank, the line and CR LF, and
// repeats: pass the run of number characters (line breaks included) and the
// one character after it, skip white space, read a number where it stops.
// The blank and CR LF are not written out: a LF inside a run stands for
// the CR LF and the next line's blank, which is the character passed after
// the run. With kCheck every character is also checked as a real-mode entry
// character; the first one that is not, or an exponent mark, ends the
// reading, and the numbers of each line are counted into `shape`.
template <bool kCheck>
PlainOutcome ReadPlain(const std::string& text, RowFiller& filler, LineShape* shape = nullptr) {
    const char* p = text.data();
    const char* const end = p + text.size();
    std::size_t line = 0;
    const char* numberEnd = p; // where strtod stopped reading the last number
    // The text starts with the blank in front of its first line.
    for (bool first = true;; first = false) {
        if (!first) {
            const char* const run = p;
            while (p < end && Is(*p, kPlainNumber) && *p != '\n')
                ++p;
            if constexpr (kCheck)
                if (HasDigit(std::max(run, numberEnd), p)) shape->Ignored();
            if (p == end) break;
            if (kCheck && *p != '\n') {
                if (!Is(*p, kRealEntry)) return PlainOutcome::Invalid;
                if (Is(*p, kExponentMark)) return PlainOutcome::Exponent;
            }
            if constexpr (kCheck) line += *p == '\n';
            ++p;
        }
        for (; p < end && IsCSpace(*p); ++p) {
            if (kCheck && !Is(*p, kRealEntry)) return PlainOutcome::Invalid;
            if constexpr (kCheck) line += *p == '\n';
        }
        if (p == end) break;
        if constexpr (kCheck) shape->Number(line);
        double value = 0;
        if (ReadShortDecimal(p, value, &numberEnd)) {
            // A short decimal is number characters only: the run passed
            // next goes on from its end.
            filler.Add(value);
            p = numberEnd;
        } else {
            filler.Add(ReadCNumber(p, &numberEnd));
        }
    }
    return PlainOutcome::Read;
}

NEWMAT::Matrix ReadRealExponent(const std::string& text, LineShape* shape) {
    std::vector<double> values;
    std::size_t rows = 0;
    const char* p = text.c_str();
    const char* const end = p + text.size();
    while (p < end) {
        while (p < end && IsCSpace(*p))
            ++p;
        if (p == end) break;
        const char* numberEnd = p;
        values.push_back(ReadCNumber(p, &numberEnd));
        if (shape) shape->Number(rows);
        while (p < end && !IsCSpace(*p))
            ++p;
        if (shape && numberEnd < p && HasDigit(numberEnd, p)) shape->Ignored();
        // The last number of a line closes its row, whatever blanks follow
        // it before the line break or the end of the text.
        bool closesRow = false;
        for (; p < end && IsCSpace(*p); ++p)
            closesRow = closesRow || IsLineBreak(*p);
        if (closesRow || p == end) ++rows;
    }
    if (shape) shape->Finish(rows);
    return FillRows(rows, values);
}

NEWMAT::Matrix ReadComplex(const std::string& text, LineShape* shape) {
    const std::size_t rows = CountLines(text);
    if (rows == 0) return NEWMAT::Matrix();
    std::size_t line = 0;
    // Each complex element is told to `shape` with the line it ends on.
    const auto element = [&] {
        if (shape) shape->Number(line);
    };

    // Complex elements as (re, im) in reading order.
    std::vector<double> parts;
    long long depth = 0;
    bool realPending = false;
    double pendingReal = 0;
    const char* p = text.c_str();
    const char* const end = p + text.size();
    while (p < end) {
        const char c = *p;
        if (c == '(') {
            ++depth;
            ++p;
            continue;
        }
        if (c == ')') {
            if (depth > 0 && --depth == 0 && realPending) {
                parts.push_back(pendingReal);
                parts.push_back(0);
                realPending = false;
                element();
            }
            ++p;
            continue;
        }
        if (c == ',' || IsCSpace(c)) {
            line += c == '\n';
            ++p;
            continue;
        }
        const char* numberEnd = p;
        const double value = ReadCNumber(p, &numberEnd);
        while (p < end && *p != '(' && *p != ')' && *p != ',' && !IsCSpace(*p))
            ++p;
        if (shape && numberEnd < p && HasDigit(numberEnd, p)) shape->Ignored();
        if (depth == 0) {
            parts.push_back(value);
            parts.push_back(0);
            element();
        } else if (!realPending) {
            pendingReal = value;
            realPending = true;
        } else {
            parts.push_back(pendingReal);
            parts.push_back(value);
            realPending = false;
            element();
        }
    }
    if (realPending) {
        parts.push_back(pendingReal);
        parts.push_back(0);
        element();
    }
    if (shape) shape->Finish(rows);

    const std::size_t columns = parts.size() / 2 / rows;
    NEWMAT::Matrix dual(static_cast<int>(rows), static_cast<int>(2 * columns));
    double* row = dual.Store();
    for (std::size_t r = 0; r < rows; ++r, row += 2 * columns) {
        for (std::size_t c = 0; c < columns; ++c) {
            const std::size_t k = 2 * (r * columns + c);
            row[c] = parts[k];
            row[columns + c] = parts[k + 1];
        }
    }
    return dual;
}

} // namespace

NEWMAT::Matrix ParseReal(const std::string& text) {
    NEWMAT::Matrix matrix;
    const std::size_t rows = CountLines(text);
    RowFiller filler(matrix, rows, PlausibleColumns(text, rows));
    ReadPlain<false>(text, filler);
    filler.Finish();
    return matrix;
}

EntryReading ReadEntryText(const std::string& text, bool complexMode) {
    EntryReading reading;
    if (!complexMode) {
        const std::size_t rows = CountLines(text);
        RowFiller filler(reading.matrix, rows, PlausibleColumns(text, rows));
        LineShape shape;
        const PlainOutcome outcome = ReadPlain<true>(text, filler, &shape);
        if (outcome == PlainOutcome::Read) {
            filler.Finish();
            shape.Finish(rows);
            shape.Report(reading);
            return reading;
        }
    }
    reading.fault = FindEntryFault(text, complexMode);
    if (reading.fault.index != kEntryValid) {
        reading.matrix.CleanUp();
        return reading;
    }
    reading.exponent = text.find_first_of("eE") != std::string::npos;
    LineShape shape;
    if (complexMode)
        reading.matrix = ReadComplex(text, &shape);
    else
        reading.matrix = ReadRealExponent(text, &shape);
    shape.Report(reading);
    return reading;
}

NEWMAT::Matrix ParseRealExponent(const std::string& text) {
    return ReadRealExponent(text, nullptr);
}

NEWMAT::Matrix ParseComplex(const std::string& text) {
    return ReadComplex(text, nullptr);
}
