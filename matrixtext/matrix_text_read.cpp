#include "matrixtext/matrix_text.h"

#include "matrixtext/exponent_text_reader.h"
#include "matrixtext/line_shape.h"
#include "matrixtext/plain_text_reader.h"
#include "platform/number_parse.h"

#include <algorithm>
#include <cstring>
#include <vector>

// The reader of complex texts walks its text once with a position that only
// moves forward, without copying it; strtod reads each number where it
// starts. The real readers are plain_text_reader and exponent_text_reader.

namespace {

bool IsCSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r'); // blank, \t \n \v \f \r
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
        if (shape) shape->PassedOver(numberEnd, p);
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
    ReadPlainText(text, matrix, nullptr);
    return matrix;
}

EntryReading ReadEntryText(const std::string& text, bool complexMode) {
    EntryReading reading;
    LineShape shape;
    // The plain reader's first pass checks every character of a real text:
    // one it leaves for its exponents alone is a valid entry.
    const PlainOutcome plain =
        complexMode ? PlainOutcome::NotPlain : ReadPlainText(text, reading.matrix, &shape);
    if (plain == PlainOutcome::Read) {
        shape.Report(reading);
        return reading;
    }
    if (plain == PlainOutcome::NotPlain) {
        reading.fault = FindEntryFault(text, complexMode);
        if (reading.fault.index != kEntryValid) {
            reading.matrix.CleanUp();
            return reading;
        }
    }
    reading.exponent = text.find_first_of("eE") != std::string::npos;
    if (complexMode)
        reading.matrix = ReadComplex(text, &shape);
    else
        ReadExponentText(text, reading.matrix, &shape);
    shape.Report(reading);
    return reading;
}

NEWMAT::Matrix ParseRealExponent(const std::string& text) {
    NEWMAT::Matrix matrix;
    ReadExponentText(text, matrix, nullptr);
    return matrix;
}

NEWMAT::Matrix ParseComplex(const std::string& text) {
    return ReadComplex(text, nullptr);
}
