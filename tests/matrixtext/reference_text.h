#pragma once
// The matrix text readers and the fixed-decimal formatting as they were
// before the single-pass reader and the integer fast path: the randomised
// comparison checks the new ones against them byte for byte.

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

inline NEWMAT::Matrix ParseReal(const std::string& text) {
    const std::size_t rows = CountLines(text);
    if (rows == 0) return NEWMAT::Matrix();

    // Every line is read as a blank, the line and CR LF.
    std::string work;
    work.reserve(text.size() + 3 * rows);
    std::size_t start = 0;
    for (std::size_t line = 0; line < rows; ++line) {
        std::size_t stop = text.find('\n', start);
        if (stop == std::string::npos) stop = text.size();
        work += ' ';
        work.append(text, start, stop - start);
        work += "\r\n";
        start = stop + 1;
    }

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

inline NEWMAT::Matrix ParseRealExponent(const std::string& text) {
    std::vector<double> values;
    std::size_t rows = 0;
    const char* p = text.c_str();
    const char* const end = p + text.size();
    while (p < end) {
        while (p < end && IsCSpace(*p))
            ++p;
        if (p == end) break;
        values.push_back(NumberAt(p));
        while (p < end && !IsCSpace(*p))
            ++p;
        // The last number of a line closes its row, whatever blanks follow
        // it before the line break or the end of the text.
        bool closesRow = false;
        for (; p < end && IsCSpace(*p); ++p)
            closesRow = closesRow || IsLineBreak(*p);
        if (closesRow || p == end) ++rows;
    }
    return FillRows(rows, values);
}

inline NEWMAT::Matrix ParseComplex(const std::string& text) {
    const std::size_t rows = CountLines(text);
    if (rows == 0) return NEWMAT::Matrix();

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
            }
            ++p;
            continue;
        }
        if (c == ',' || IsCSpace(c)) {
            ++p;
            continue;
        }
        const double value = NumberAt(p);
        while (p < end && *p != '(' && *p != ')' && *p != ',' && !IsCSpace(*p))
            ++p;
        if (depth == 0) {
            parts.push_back(value);
            parts.push_back(0);
        } else if (!realPending) {
            pendingReal = value;
            realPending = true;
        } else {
            parts.push_back(pendingReal);
            parts.push_back(value);
            realPending = false;
        }
    }
    if (realPending) {
        parts.push_back(pendingReal);
        parts.push_back(0);
    }

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
