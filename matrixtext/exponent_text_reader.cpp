#include "matrixtext/exponent_text_reader.h"

#include "matrixtext/text_parts.h"
#include "platform/number_parse.h"
#include "platform/parallel_parts.h"
#include "platform/plain_decimal.h"

#include <vector>

// A part starts right after a LF: the token before it, if any, has already
// been closed by that LF, so every part's tokens and rows are its own.

namespace {

bool IsCSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r'); // blank, \t \n \v \f \r
}

bool IsLineBreak(char c) {
    return c == '\n' || c == '\r';
}

// The first pass over a part: its tokens, and the rows they close. A row
// closes at the first line break after a token, or at the end of the text
// after one.
void CountTokens(TextPart& part) {
    std::size_t tokens = 0;
    std::size_t rows = 0;
    bool afterSpace = true;
    bool rowOpen = false; // a token since the last line break
    for (const char* p = part.begin; p < part.end; ++p) {
        const bool space = IsCSpace(*p);
        const bool lineBreak = IsLineBreak(*p);
        tokens += !space && afterSpace;
        rows += rowOpen && lineBreak;
        rowOpen = !space || (rowOpen && !lineBreak);
        afterSpace = space;
    }
    part.numbers = tokens;
    part.rows = rows + (rowOpen ? 1 : 0);
}

// The second pass over a part.
template <bool kShape> void ReadTokens(const TextPart& part, PartReading& reading) {
    const char* p = part.begin;
    const char* const end = part.end;
    double* to = reading.to;
    std::size_t room = reading.room;
    PartRows rows;
    std::size_t passedOver = 0;
    for (;;) {
        while (p < end && IsCSpace(*p))
            ++p;
        if (p == end) break;
        double value = 0;
        const char* numberEnd =
            ReadDecimalAsStrtod(p, end, fast_float::chars_format::general, value);
        if (!numberEnd) value = ReadCNumber(p, &numberEnd);
        if (room > 0) {
            *to++ = value;
            --room;
        }
        while (p < end && !IsCSpace(*p))
            ++p;
        bool closesRow = false;
        for (; p < end && IsCSpace(*p); ++p)
            closesRow = closesRow || IsLineBreak(*p);
        if constexpr (kShape) {
            ++rows.current;
            // A digit strtod did not read is a number it passed over.
            if (numberEnd < p && HasDigit(numberEnd, p)) ++passedOver;
            if (closesRow || p == end) rows.Close();
        }
    }
    reading.rows = rows;
    reading.passedOver = passedOver;
}

template <bool kShape>
void ReadParts(const std::string& text, NEWMAT::Matrix& matrix, LineShape* shape) {
    std::vector<TextPart> parts = SplitText(text);
    RunParts(parts.size(), [&parts](std::size_t k) { CountTokens(parts[k]); });
    std::size_t rows = 0;
    for (const TextPart& part : parts)
        rows += part.rows;
    if (rows == 0) {
        matrix.CleanUp();
        if (shape) shape->Finish(rows);
        return;
    }
    std::vector<PartReading> readings = PlaceParts(parts, rows, matrix);
    RunParts(parts.size(), [&](std::size_t k) { ReadTokens<kShape>(parts[k], readings[k]); });
    if constexpr (kShape) TellShape(parts, readings, rows, *shape);
}

} // namespace

void ReadExponentText(const std::string& text, NEWMAT::Matrix& matrix, LineShape* shape) {
    if (shape)
        ReadParts<true>(text, matrix, shape);
    else
        ReadParts<false>(text, matrix, nullptr);
}
