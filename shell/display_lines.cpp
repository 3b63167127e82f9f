#include "shell/display_lines.h"

#include <algorithm>
#include <cstring>

namespace zentabl {

DisplayLines::DisplayLines() : text_(std::make_shared<std::string>()), starts_{0}, widths_{0} {}

void DisplayLines::Assign(std::string text) {
    text_ = std::make_shared<std::string>(std::move(text));
    starts_.clear();
    widths_.clear();
    IndexLines(0, Size(), starts_, widths_);
    Changed();
}

void DisplayLines::Replace(int from, int to, std::string_view with) {
    const int first = LineOf(from);
    const int last = LineOf(to);
    const int delta = static_cast<int>(with.size()) - (to - from);
    const int regionEnd = LineEnd(last) + delta;
    if (text_.use_count() > 1) text_ = std::make_shared<std::string>(*text_);
    text_->replace(std::size_t(from), std::size_t(to - from), with);

    std::vector<int> starts, widths;
    IndexLines(LineStart(first), regionEnd, starts, widths);
    const auto firstAt = starts_.begin() + first;
    starts_.erase(firstAt, starts_.begin() + last + 1);
    starts_.insert(starts_.begin() + first, starts.begin(), starts.end());
    for (auto s = starts_.begin() + first + static_cast<long>(starts.size()); s != starts_.end(); ++s)
        *s += delta;
    widths_.erase(widths_.begin() + first, widths_.begin() + last + 1);
    widths_.insert(widths_.begin() + first, widths.begin(), widths.end());
    Changed();
}

void DisplayLines::IndexLines(int from, int to, std::vector<int>& starts,
                              std::vector<int>& widths) const {
    const char* const base = text_->data();
    int start = from;
    for (;;) {
        const void* found = std::memchr(base + start, '\n', std::size_t(to - start));
        const int end = found ? static_cast<int>(static_cast<const char*>(found) - base) : to;
        starts.push_back(start);
        widths.push_back(ColumnsOf(start, end));
        if (end == to) break;
        start = end + 1;
    }
}

int DisplayLines::ColumnsOf(int from, int to) const {
    const char* const base = text_->data();
    if (!std::memchr(base + from, '\t', std::size_t(to - from))) return to - from;
    int column = 0;
    for (int i = from; i < to; ++i)
        column = base[i] == '\t' ? (column / kTabColumns + 1) * kTabColumns : column + 1;
    return column;
}

void DisplayLines::Changed() {
    widest_ = *std::max_element(widths_.begin(), widths_.end());
}

int DisplayLines::LineOf(int position) const {
    return static_cast<int>(std::upper_bound(starts_.begin(), starts_.end(), position) -
                            starts_.begin()) -
           1;
}

int DisplayLines::LineEnd(int line) const {
    return line + 1 < LineCount() ? LineStart(line + 1) - 1 : Size();
}

int DisplayLines::ColumnOf(int position) const {
    return ColumnsOf(LineStart(LineOf(position)), position);
}

int DisplayLines::PositionNearColumn(int line, int column) const {
    const int start = LineStart(line);
    const int end = LineEnd(line);
    const char* const base = text_->data();
    if (!std::memchr(base + start, '\t', std::size_t(end - start)))
        return start + std::clamp(column, 0, end - start);
    int at = 0;
    for (int i = start; i < end; ++i) {
        const int next = base[i] == '\t' ? (at / kTabColumns + 1) * kTabColumns : at + 1;
        if (column < at + (next - at + 1) / 2) return i;
        at = next;
    }
    return end;
}

std::string DisplayLines::ColumnsText(int line, int firstColumn, int count) const {
    const int start = LineStart(line);
    const int end = LineEnd(line);
    const char* const base = text_->data();
    if (!std::memchr(base + start, '\t', std::size_t(end - start))) {
        const int from = std::min(start + firstColumn, end);
        return std::string(base + from, std::size_t(std::min(count, end - from)));
    }
    std::string shown;
    const int lastColumn = firstColumn + count;
    int at = 0;
    for (int i = start; i < end && at < lastColumn; ++i) {
        const bool tab = base[i] == '\t';
        const int next = tab ? (at / kTabColumns + 1) * kTabColumns : at + 1;
        for (int column = std::max(at, firstColumn); column < std::min(next, lastColumn); ++column)
            shown += tab ? ' ' : base[i];
        at = next;
    }
    return shown;
}

} // namespace zentabl
