#pragma once
// The matrix text readers and the fixed-decimal formatting as they were
// before the single-pass reader and the integer fast path, and a complex
// reader written apart from the program's: the randomised comparison checks
// the program's readers against them byte for byte.

#include "platform/number_parse.h"

#include <newmat.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>
#include <string_view>
#include <vector>

namespace reference {

// Every reader walks its text once with a position that only moves forward;
// strtod reads each number where it starts.

inline bool IsCSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

inline bool IsLineBreak(char c) {
    return c == '\n' || c == '\r';
}

// Characters a number of the plain reader is made of, line breaks included.
inline bool IsPlainNumberCharacter(char c) {
    return (c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.' || IsLineBreak(c);
}

// Lines split at LF; a final LF ends the last line rather than starting one.
inline std::size_t CountLines(const std::string& text) {
    if (text.empty()) return 0;
    const auto breaks = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
    return text.back() == '\n' ? breaks : breaks + 1;
}

// rows x (values / rows) filled row by row; surplus values are dropped.
inline NEWMAT::Matrix FillRows(std::size_t rows, const std::vector<double>& values) {
    NEWMAT::Matrix matrix;
    if (rows == 0) return matrix;
    const std::size_t columns = values.size() / rows;
    matrix.ReSize(static_cast<int>(rows), static_cast<int>(columns));
    std::copy(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(rows * columns),
              matrix.Store());
    return matrix;
}

// The number strtod reads at `p`, or 0 when none starts there.
inline double NumberAt(const char* p) {
    const char* end = nullptr;
    return ReadCNumber(p, &end);
}

// Every line as SE reads it: a blank, the line and CR LF; where each line
// ends in the result goes to `lineEnds` when given.
inline std::string FramedLines(const std::string& text, std::size_t rows,
                               std::vector<std::size_t>* lineEnds) {
    std::string work;
    work.reserve(text.size() + 3 * rows);
    std::size_t start = 0;
    for (std::size_t line = 0; line < rows; ++line) {
        std::size_t stop = text.find('\n', start);
        if (stop == std::string::npos) stop = text.size();
        work += ' ';
        work.append(text, start, stop - start);
        work += "\r\n";
        if (lineEnds) lineEnds->push_back(work.size());
        start = stop + 1;
    }
    return work;
}

inline NEWMAT::Matrix ParseReal(const std::string& text) {
    const std::size_t rows = CountLines(text);
    if (rows == 0) return NEWMAT::Matrix();

    const std::string work = FramedLines(text, rows, nullptr);

    // Each step passes the number just read (the run of number characters)
    // and the one separator after it, skips white space and reads the next
    // number; the last step reads nothing and is not a value.
    std::vector<double> values;
    const char* p = work.c_str();
    const char* const end = p + work.size();
    while (p < end) {
        while (p < end && IsPlainNumberCharacter(*p))
            ++p;
        if (p < end) ++p;
        while (p < end && IsCSpace(*p))
            ++p;
        if (p < end) values.push_back(NumberAt(p));
    }
    return FillRows(rows, values);
}

// How many numbers SE's reading of a real entry without exponents met (read,
// or passed over unread as the -2 of "1-2") and whether the text's lines held
// different counts of them, from the walk ParseReal takes, each number
// counted on the line where it starts.
struct PlainShape {
    std::size_t numbers = 0;
    bool raggedRows = false;
};

// Whether the rows (or lines) held different counts of numbers.
inline bool HoldDifferentCounts(const std::vector<std::size_t>& counts) {
    return counts.size() > 1 && std::any_of(counts.begin(), counts.end(), [&](std::size_t count) {
               return count != counts[0];
           });
}

inline bool HasDigit(const char* from, const char* to) {
    return from < to && std::any_of(from, to, [](char c) { return c >= '0' && c <= '9'; });
}

inline PlainShape ShapeOfPlainEntry(const std::string& text) {
    PlainShape shape;
    const std::size_t rows = CountLines(text);
    if (rows == 0) return shape;
    std::vector<std::size_t> lineEnds; // where each line ends in `work`
    const std::string work = FramedLines(text, rows, &lineEnds);
    std::vector<std::size_t> perLine(rows, 0);
    const char* p = work.c_str();
    const char* const end = p + work.size();
    const char* numberEnd = p;
    while (p < end) {
        const char* const run = p;
        while (p < end && IsPlainNumberCharacter(*p))
            ++p;
        if (HasDigit(std::max(run, numberEnd), p)) ++shape.numbers;
        if (p < end) ++p;
        while (p < end && IsCSpace(*p))
            ++p;
        if (p == end) break;
        const auto at = static_cast<std::size_t>(p - work.c_str());
        ++perLine[static_cast<std::size_t>(std::upper_bound(lineEnds.begin(), lineEnds.end(), at) -
                                           lineEnds.begin())];
        ReadCNumber(p, &numberEnd);
    }
    for (const std::size_t count : perLine)
        shape.numbers += count;
    shape.raggedRows = rows > 1 && (perLine[0] == 0 || HoldDifferentCounts(perLine));
    return shape;
}

// The walk of a real entry with exponents: every token between white space
// is a number, and visit(token, tokenEnd, closesRow) is told whether a line
// break (or the end of the text) follows it before the next token: the
// last number of a line closes its row, whatever blanks follow it.
template <typename Visit> void ForEachExponentToken(const std::string& text, Visit visit) {
    const char* p = text.c_str();
    const char* const end = p + text.size();
    while (p < end) {
        while (p < end && IsCSpace(*p))
            ++p;
        if (p == end) break;
        const char* const token = p;
        while (p < end && !IsCSpace(*p))
            ++p;
        const char* const tokenEnd = p;
        bool closesRow = false;
        for (; p < end && IsCSpace(*p); ++p)
            closesRow = closesRow || IsLineBreak(*p);
        visit(token, tokenEnd, closesRow || p == end);
    }
}

inline NEWMAT::Matrix ParseRealExponent(const std::string& text) {
    std::vector<double> values;
    std::size_t rows = 0;
    ForEachExponentToken(text, [&](const char* token, const char*, bool closesRow) {
        values.push_back(NumberAt(token));
        if (closesRow) ++rows;
    });
    return FillRows(rows, values);
}

// As ShapeOfPlainEntry, for a real entry with exponents: each token a
// number, on the row it ends.
inline PlainShape ShapeOfExponentEntry(const std::string& text) {
    PlainShape shape;
    std::vector<std::size_t> perRow{0};
    ForEachExponentToken(text, [&](const char* token, const char* tokenEnd, bool closesRow) {
        const char* numberEnd = nullptr;
        ReadCNumber(token, &numberEnd);
        ++perRow.back();
        if (HasDigit(numberEnd, tokenEnd)) ++shape.numbers;
        if (closesRow) perRow.push_back(0);
    });
    perRow.pop_back(); // the row after the last, never begun
    for (const std::size_t count : perRow)
        shape.numbers += count;
    shape.raggedRows = HoldDifferentCounts(perRow);
    return shape;
}

// Complex text read in two steps of its own: the text is cut into tokens
// (parentheses and the words between delimiters), then the tokens are
// grouped into elements. Inside parentheses two numbers make a pair and a
// number alone when its outermost parenthesis closes is a real element;
// outside them every number is a real element.
inline NEWMAT::Matrix ParseComplex(const std::string& text) {
    const std::size_t rows = CountLines(text);
    if (rows == 0) return NEWMAT::Matrix();

    struct Token {
        char kind; // '(', ')' or 'n' for a number
        double value;
    };
    std::vector<Token> tokens;
    const auto isDelimiter = [](char c) { return c == '(' || c == ')' || c == ',' || IsCSpace(c); };
    for (std::size_t i = 0; i < text.size();) {
        const char c = text[i];
        if (c == '(' || c == ')') {
            tokens.push_back({c, 0});
            ++i;
        } else if (isDelimiter(c)) {
            ++i;
        } else {
            std::size_t j = i;
            while (j < text.size() && !isDelimiter(text[j]))
                ++j;
            tokens.push_back({'n', NumberAt(text.c_str() + i)});
            i = j;
        }
    }

    std::vector<std::pair<double, double>> elements;
    long long depth = 0;
    std::vector<double> open; // numbers waiting for their partner, at most one
    for (const Token& token : tokens) {
        if (token.kind == '(') {
            ++depth;
        } else if (token.kind == ')') {
            if (depth == 0) continue;
            --depth;
            if (depth == 0 && !open.empty()) {
                elements.emplace_back(open.back(), 0.0);
                open.clear();
            }
        } else if (depth == 0) {
            elements.emplace_back(token.value, 0.0);
        } else if (open.empty()) {
            open.push_back(token.value);
        } else {
            elements.emplace_back(open.back(), token.value);
            open.clear();
        }
    }
    if (!open.empty()) elements.emplace_back(open.back(), 0.0);

    const std::size_t columns = elements.size() / rows;
    NEWMAT::Matrix dual(static_cast<int>(rows), static_cast<int>(2 * columns));
    for (std::size_t r = 0; r < rows; ++r)
        for (std::size_t c = 0; c < columns; ++c) {
            const auto& [re, im] = elements[r * columns + c];
            dual(static_cast<int>(r) + 1, static_cast<int>(c) + 1) = re;
            dual(static_cast<int>(r) + 1, static_cast<int>(columns + c) + 1) = im;
        }
    return dual;
}

inline bool IsEntryCharacter(char c) {
    constexpr std::string_view kOthers = "eE.(),+- \r\n";
    return (c >= '0' && c <= '9') || kOthers.find(c) != std::string_view::npos;
}

inline int ValidateEntryText(const std::string& text, bool complexMode) {
    long long opens = 0;
    long long depth = 0;
    long long commas = 0;
    bool pairCharacter = false;
    for (char c : text) {
        if (!IsEntryCharacter(c)) return 3;
        pairCharacter = pairCharacter || c == '(' || c == ')' || c == ',';
        if (c == '(') {
            ++opens;
            ++depth;
        } else if (c == ')') {
            --depth;
        } else if (c == ',') {
            ++commas;
        }
    }
    if (!complexMode) return pairCharacter ? 3 : -1;
    if (depth == 0 && opens == commas) return -1;
    return depth != 0 ? 1 : 3;
}

// "%.<decimals>f" of every element, as to_chars writes it.
inline std::string FormatFixedDecimals(const NEWMAT::Matrix& m, int width, int decimals) {
    std::string text;
    const std::string separator(width > 0 ? static_cast<std::size_t>(width) : 0, ' ');
    for (int r = 0; r < m.Nrows(); ++r) {
        for (int c = 0; c < m.Ncols(); ++c) {
            if (c > 0) text += separator;
            const double value = m.Store()[r * m.Ncols() + c];
            if (std::isnan(value)) {
                text += "nan";
            } else if (std::isinf(value)) {
                text += value < 0 ? "-inf" : "inf";
            } else {
                char buffer[400];
                const auto end = std::to_chars(buffer, buffer + sizeof buffer, value,
                                               std::chars_format::fixed, decimals);
                text.append(buffer, end.ptr);
            }
        }
        text += "\r\n";
    }
    return text;
}

} // namespace reference
