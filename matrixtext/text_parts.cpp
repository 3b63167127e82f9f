#include "matrixtext/text_parts.h"

#include "platform/parallel_parts.h"

#include <algorithm>
#include <cstring>

std::vector<TextPart> SplitText(const std::string& text) {
    const std::size_t count = PartsFor(text.size(), kPartedTextBytes);
    std::vector<TextPart> parts(count);
    const char* const end = text.data() + text.size();
    const char* begin = text.data();
    for (std::size_t k = 0; k < count; ++k) {
        const char* stop = end;
        if (k + 1 < count) {
            const char* const near = std::max(begin, text.data() + text.size() * (k + 1) / count);
            const auto* feed = static_cast<const char*>(
                std::memchr(near, '\n', static_cast<std::size_t>(end - near)));
            stop = feed ? feed + 1 : end;
        }
        parts[k].begin = begin;
        parts[k].end = stop;
        begin = stop;
    }
    return parts;
}

std::vector<PartReading> PlaceParts(const std::vector<TextPart>& parts, std::size_t rows,
                                    NEWMAT::Matrix& matrix) {
    std::size_t numbers = 0;
    for (const TextPart& part : parts)
        numbers += part.numbers;
    const std::size_t columns = numbers / rows;
    matrix.ReSize(static_cast<int>(rows), static_cast<int>(columns));
    const std::size_t kept = rows * columns;
    std::vector<PartReading> readings(parts.size());
    for (std::size_t k = 0, start = 0; k < parts.size(); ++k) {
        readings[k].to = matrix.Store() + std::min(start, kept);
        readings[k].room = std::min(parts[k].numbers, kept - std::min(start, kept));
        start += parts[k].numbers;
    }
    return readings;
}

void TellShape(const std::vector<TextPart>& parts, const std::vector<PartReading>& readings,
               std::size_t rows, LineShape& shape) {
    std::size_t row = 0;
    for (std::size_t k = 0; k < parts.size(); ++k) {
        const PartRows& partRows = readings[k].rows;
        shape.Lines(row, partRows.rows, partRows.first, partRows.even, parts[k].numbers);
        shape.Ignored(readings[k].passedOver);
        row += parts[k].rows;
    }
    shape.Finish(rows);
}
