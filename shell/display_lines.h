#pragma once
// The display's text as the box keeps it: one byte per Latin-1 character and
// one '\n' per line break, so that a position is an index into it, with where
// each line starts and how many columns it takes on screen. A shown matrix
// runs to megabytes; an edit re-indexes only the lines it touches.

#include "platform/line_breaks.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace zentabl {

// A tab reaches the next multiple of this many columns.
constexpr int kTabColumns = 8;

class DisplayLines {
  public:
    DisplayLines();

    // Takes text whose line breaks are '\n' already.
    void Assign(std::string text);
    // Takes text whose line breaks are CR LF, a lone CR or a lone LF.
    void AssignCoreText(std::string_view text) { Assign(LineFeedText(text)); }
    // The text with CR LF line breaks, as the core reads it.
    std::string CoreText() const { return CrLfText(*text_); }

    // The text as kept: '\n' line breaks.
    const std::string& Text() const { return *text_; }
    // The same text held apart: it stays as it is when the text changes, and
    // taking it copies nothing (the next edit copies the text first while a
    // snapshot still holds it).
    std::shared_ptr<const std::string> Snapshot() const { return text_; }
    int Size() const { return static_cast<int>(text_->size()); }
    // Replaces the positions [from, to) by `with`, which holds '\n' breaks.
    void Replace(int from, int to, std::string_view with);

    int LineCount() const { return static_cast<int>(starts_.size()); }
    int LineOf(int position) const;
    int LineStart(int line) const { return starts_[static_cast<std::size_t>(line)]; }
    // The position of the line's break, or the end of the text.
    int LineEnd(int line) const;
    // Columns of the widest line.
    int WidestLine() const { return widest_; }
    int ColumnOf(int position) const;
    // The position on the line whose left edge is nearest the column.
    int PositionNearColumn(int line, int column) const;
    // What the line shows from a column on, at most `count` columns, tabs as
    // blanks.
    std::string ColumnsText(int line, int firstColumn, int count) const;

  private:
    // Indexes the lines of [from, to), `to` being a break or the end.
    void IndexLines(int from, int to, std::vector<int>& starts, std::vector<int>& widths) const;
    int ColumnsOf(int from, int to) const;
    void Changed();

    std::shared_ptr<std::string> text_;
    std::vector<int> starts_;
    std::vector<int> widths_;
    int widest_ = 0;
};

} // namespace zentabl
