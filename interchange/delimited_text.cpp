#include "interchange/delimited_text.h"

#include "interchange/text_scan.h"

#include <vector>

namespace {

struct Cell {
    std::size_t start = 0; // the first character after blanks and an opening quote
    std::size_t end = 0;   // after the last character before blanks and a closing quote
};

class RowSplitter {
  public:
    RowSplitter(std::string_view text, char separator) : text_(text), separator_(separator) {}

    // Splits the line [from, to) into cells; false with `fault` set when a
    // quote is not closed or something follows a closing quote.
    bool Split(std::size_t from, std::size_t to, std::vector<Cell>& cells, std::size_t& fault) const {
        cells.clear();
        for (std::size_t p = from;; ++p) {
            p = Skip(p, to);
            Cell cell;
            if (p < to && text_[p] == '"') {
                cell.start = p + 1;
                const std::size_t close = text_.substr(0, to).find('"', cell.start);
                if (close == std::string_view::npos) return fault = p, false;
                cell.end = close;
                p = Skip(close + 1, to);
                if (p < to && text_[p] != separator_) return fault = p, false;
            } else {
                cell.start = p;
                while (p < to && text_[p] != separator_) ++p;
                cell.end = p;
                while (cell.end > cell.start && IsWhiteSpace(text_[cell.end - 1])) --cell.end;
            }
            cells.push_back(cell);
            if (p >= to) return true;
        }
    }

  private:
    // Blanks, and a CR at the line's end, but never the separator.
    std::size_t Skip(std::size_t p, std::size_t to) const {
        while (p < to && IsWhiteSpace(text_[p]) && text_[p] != separator_) ++p;
        return p;
    }

    std::string_view text_;
    char separator_;
};

bool IsHeader(std::string_view text, const std::vector<Cell>& cells, const ElementSyntax& syntax) {
    bool named = false;
    for (const Cell& cell : cells) {
        ScannedElement element;
        if (ScanWholeCell(text.substr(cell.start, cell.end - cell.start), syntax, element)) return false;
        named = named || cell.end > cell.start;
    }
    return named;
}

} // namespace

NotationParse ParseDelimited(std::string_view text, const DelimitedSyntax& delimited) {
    ElementSyntax syntax;
    syntax.complexMode = delimited.complexMode;
    syntax.blankMultiplies = true;
    const RowSplitter splitter(text, delimited.separator);
    const std::size_t textEnd = TrimmedEnd(text);
    GridBuilder builder;
    std::vector<Cell> cells;
    for (std::size_t lineStart = 0; lineStart < textEnd;) {
        std::size_t lineEnd = text.find('\n', lineStart);
        if (lineEnd == std::string_view::npos || lineEnd > textEnd) lineEnd = textEnd;
        std::size_t fault = 0;
        if (!splitter.Split(lineStart, lineEnd, cells, fault)) return FaultAt(fault);
        if (delimited.separatorEndsRows) {
            if (cells.size() < 2 || cells.back().end > cells.back().start) return FaultAt(cells.back().start);
            cells.pop_back();
        }
        const bool header = lineStart == 0 && IsHeader(text, cells, syntax);
        for (std::size_t c = 0; c < cells.size() && !header; ++c) {
            const Cell& cell = cells[c];
            ScannedElement element;
            if (!ScanWholeCell(text.substr(cell.start, cell.end - cell.start), syntax, element))
                return FaultAt(cell.start + (cell.end > cell.start ? element.fault : 0));
            if (!builder.Add(element)) return FaultAt(cell.start);
        }
        if (!header && !builder.EndRow()) return FaultAt(lineEnd);
        lineStart = lineEnd + 1;
    }
    if (builder.Grid().rows == 0) return FaultAt(0);
    return ReadGrid(std::move(builder.Grid()));
}
