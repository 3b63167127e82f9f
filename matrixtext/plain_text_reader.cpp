#include "matrixtext/plain_text_reader.h"

#include "matrixtext/text_parts.h"

#include "platform/number_parse.h"
#include "platform/parallel_parts.h"
#include "platform/plain_decimal.h"

#include <algorithm>
#include <cstring>
#include <vector>

// The reader's walk over a text: it starts where a number may start; a
// character of a number (digit, sign, point) opens a run that only a
// character other than those and CR ends, and that character is passed
// with the run; white space is skipped; any other character starts a
// number. So a number starts exactly at a character other than white space
// whose nearest character before it, CRs aside, is no number character.
// Part boundaries lie right after a LF, where every walk is in its starting
// state, so the parts walk the text exactly as one walk does.

namespace {

// Character classes, for one character or for sixteen side by side (GCC's
// and clang's vector extensions, a lane of all ones where a class holds).
template <typename Chars> auto NumberCharacters(Chars c) {
    return (Chars(c - '+') <= 14) & (c != ',') & (c != '/'); // + - . 0 ... 9
}

template <typename Chars> auto CSpaces(Chars c) {
    return (c == ' ') | (Chars(c - '\t') <= 4); // blank, \t \n \v \f \r
}

// What a real entry without exponents holds.
template <typename Chars> auto PlainEntryCharacters(Chars c) {
    return NumberCharacters(c) | (c == ' ') | (c == '\r') | (c == '\n');
}

template <typename Chars> auto ExponentMarks(Chars c) {
    return (c == 'e') | (c == 'E');
}

bool IsNumberCharacter(unsigned char c) {
    return NumberCharacters(c);
}

bool IsCSpace(unsigned char c) {
    return CSpaces(c);
}

using Lanes = unsigned char __attribute__((vector_size(16)));
constexpr std::size_t kLanes = sizeof(Lanes);

Lanes LoadLanes(const unsigned char* from) {
    Lanes lanes;
    std::memcpy(&lanes, from, kLanes);
    return lanes;
}

std::size_t SumLanes(Lanes lanes) {
    std::size_t sum = 0;
    for (std::size_t i = 0; i < kLanes; ++i)
        sum += lanes[i];
    return sum;
}

// What the first pass finds of a part's characters.
struct PartCharacters {
    bool plainEntry = true;    // nothing but PlainEntryCharacters
    bool exponentEntry = true; // nothing but those and ExponentMarks
};

// What the first pass tallies, sixteen characters side by side: each lane
// counts up to 255 (a lane of all ones is -1, subtracted).
struct Tally {
    Lanes numbers{};
    Lanes breaks{};
    Lanes notPlain{};
    Lanes notExponentEntry{};
    Lanes returnBeforeNumber{};

    // Sixteen characters, and the sixteen before them.
    void Add(Lanes c, Lanes before) {
        const auto space = CSpaces(c);
        numbers -= Lanes(~(space | NumberCharacters(before)));
        breaks -= Lanes(c == '\n');
        const auto plain = PlainEntryCharacters(c);
        notPlain |= Lanes(~plain);
        notExponentEntry |= Lanes(~(plain | ExponentMarks(c)));
        returnBeforeNumber |= Lanes(~space & (before == '\r'));
    }
};

// Up to kLanes characters from `from`, blanks after them: a blank starts no
// number, breaks no line and is plain.
Lanes BlankPaddedLanes(const unsigned char* from, std::size_t count) {
    unsigned char padded[kLanes];
    std::memset(padded, ' ', kLanes);
    std::memcpy(padded, from, count);
    return LoadLanes(padded);
}

// The first pass over a part. A number starts at a character other than
// white space that follows no number character; a CR before it hides the
// character before the CR, and parts with a CR followed by such a character
// are counted again one character at a time. The rest goes sixteen
// characters at a time, the lane counts summed every 255 steps; the part
// starts as after a blank. The tallies are written back once, at the end.
void Survey(TextPart& part, PartCharacters& characters) {
    const auto* const text = reinterpret_cast<const unsigned char*>(part.begin);
    const auto size = static_cast<std::size_t>(part.end - part.begin);
    if (size == 0) return;
    Tally tally;
    std::size_t numbers = 0;
    std::size_t breaks = 0;
    const auto sumCounts = [&] {
        numbers += SumLanes(tally.numbers);
        breaks += SumLanes(tally.breaks);
        tally.numbers = tally.breaks = Lanes{};
    };
    unsigned char head[kLanes + 1];
    const std::size_t headSize = std::min(size, kLanes);
    head[0] = ' ';
    std::memcpy(head + 1, text, headSize);
    tally.Add(BlankPaddedLanes(head + 1, headSize), BlankPaddedLanes(head, headSize));
    std::size_t i = headSize;
    while (i + kLanes <= size) {
        const std::size_t stop = std::min(size, i + 254 * kLanes);
        for (; i + kLanes <= stop; i += kLanes)
            tally.Add(LoadLanes(text + i), LoadLanes(text + i - 1));
        sumCounts();
    }
    if (i < size)
        tally.Add(BlankPaddedLanes(text + i, size - i), BlankPaddedLanes(text + i - 1, size - i));
    sumCounts();
    if (SumLanes(tally.returnBeforeNumber) > 0) {
        numbers = 0;
        bool inRun = false;
        for (i = 0; i < size; ++i) {
            numbers += !IsCSpace(text[i]) && !inRun;
            if (text[i] != '\r') inRun = IsNumberCharacter(text[i]);
        }
    }
    part.numbers = numbers;
    part.rows = breaks;
    characters.plainEntry = SumLanes(tally.notPlain) == 0;
    characters.exponentEntry = SumLanes(tally.notExponentEntry) == 0;
}

// The second pass over a part.
template <bool kShape> void ReadPart(const TextPart& part, PartReading& reading) {
    const char* p = part.begin;
    const char* const end = part.end;
    double* to = reading.to;
    std::size_t room = reading.room;
    PartRows lines; // the text's lines
    std::size_t passedOver = 0;
    const auto skipSpace = [&] {
        for (; p < end && IsCSpace(static_cast<unsigned char>(*p)); ++p)
            if (kShape && *p == '\n') lines.Close();
    };
    skipSpace();
    while (p < end) {
        double value = 0;
        // A plain decimal is number characters only: the run goes on from
        // its end. Other numbers are read by strtod, and the run is passed
        // from where the number starts.
        const char* numberEnd = ReadPlainDecimal(p, end, value);
        const char* run = numberEnd;
        if (!numberEnd) {
            value = ReadCNumber(p, &numberEnd);
            run = p;
        }
        if (room > 0) {
            *to++ = value;
            --room;
        }
        while (run < end && *run != '\n' &&
               (IsNumberCharacter(static_cast<unsigned char>(*run)) || *run == '\r'))
            ++run;
        if constexpr (kShape) {
            ++lines.current;
            // A digit strtod did not read is a number it passed over, such
            // as the -2 of "1-2".
            if (numberEnd < run && HasDigit(numberEnd, run)) ++passedOver;
        }
        p = run;
        if (p == end) break;
        if (kShape && *p == '\n') lines.Close();
        ++p;
        skipSpace();
    }
    // The text's last line has no LF to close it.
    if (kShape && part.begin < end && end[-1] != '\n') lines.Close();
    reading.rows = lines;
    reading.passedOver = passedOver;
}

template <bool kShape>
PlainOutcome ReadParts(const std::string& text, NEWMAT::Matrix& matrix, LineShape* shape) {
    std::vector<TextPart> parts = SplitText(text);
    std::vector<PartCharacters> characters(parts.size());
    RunParts(parts.size(), [&](std::size_t k) { Survey(parts[k], characters[k]); });
    if constexpr (kShape) {
        const auto all = [&characters](bool PartCharacters::*holds) {
            return std::all_of(characters.begin(), characters.end(),
                               [holds](const PartCharacters& part) { return part.*holds; });
        };
        if (!all(&PartCharacters::plainEntry))
            return all(&PartCharacters::exponentEntry) ? PlainOutcome::Exponents
                                                       : PlainOutcome::NotPlain;
    }
    std::size_t breaks = 0;
    for (const TextPart& part : parts)
        breaks += part.rows;
    const std::size_t rows = text.empty() || text.back() == '\n' ? breaks : breaks + 1;
    if (rows == 0) {
        matrix.CleanUp();
        if (shape) shape->Finish(rows);
        return PlainOutcome::Read;
    }
    std::vector<PartReading> readings = PlaceParts(parts, rows, matrix);
    RunParts(parts.size(), [&](std::size_t k) { ReadPart<kShape>(parts[k], readings[k]); });
    if constexpr (kShape) TellShape(parts, readings, rows, *shape);
    return PlainOutcome::Read;
}

} // namespace

PlainOutcome ReadPlainText(const std::string& text, NEWMAT::Matrix& matrix, LineShape* shape) {
    return shape ? ReadParts<true>(text, matrix, shape) : ReadParts<false>(text, matrix, nullptr);
}
