#include "matrixtext/line_shape.h"

#include <algorithm>

void LineShape::Numbers(std::size_t line, std::size_t count) {
    if (count == 0) return;
    if (line != line_) {
        CloseLine();
        if (line > line_ + 1) ragged_ = true; // a line without numbers between
        line_ = line;
        lineNumbers_ = 0;
    }
    lineNumbers_ += count;
    numbers_ += count;
}

void LineShape::Lines(std::size_t firstLine, std::size_t lines, std::size_t first, bool even,
                      std::size_t numbers) {
    if (lines == 0) return;
    Numbers(firstLine, first);
    numbers_ += numbers - first;
    if (!even) {
        ragged_ = true;
    } else if (first > 0 && lines > 1) {
        // The lines between hold as many as the first: the last stands for
        // them all.
        CloseLine();
        line_ = firstLine + lines - 1;
        lineNumbers_ = first;
    }
}

void LineShape::PassedOver(const char* from, const char* to) {
    if (HasDigit(from, to)) ++numbers_;
}

void LineShape::Finish(std::size_t rows) {
    CloseLine();
    if (rows > 0 && line_ + 1 < rows) ragged_ = true; // lines without numbers at the end
}

void LineShape::Report(EntryReading& reading) const {
    reading.numbers = numbers_;
    reading.raggedRows = ragged_;
}

void LineShape::CloseLine() {
    if (line_ == 0)
        perLine_ = lineNumbers_;
    else if (lineNumbers_ != perLine_)
        ragged_ = true;
}

bool HasDigit(const char* from, const char* to) {
    return from < to && std::any_of(from, to, [](char c) { return c >= '0' && c <= '9'; });
}
