#include "interchange/markdown_notation.h"

#include "interchange/text_scan.h"

#include <algorithm>
#include <vector>

namespace {

struct Line {
    std::size_t start = 0;
    std::size_t end = 0; // before trailing white space
};

std::vector<Line> TableLines(std::string_view text) {
    std::vector<Line> lines;
    const std::size_t textEnd = TrimmedEnd(text);
    for (std::size_t start = SkipWhiteSpace(text, 0); start < textEnd;) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos || end > textEnd) end = textEnd;
        lines.push_back({SkipBlanks(text, start), TrimmedEnd(text.substr(0, end))});
        start = end + 1;
    }
    return lines;
}

// The cells of a row: the text between pipes, the outer pipes optional.
std::vector<Line> Cells(std::string_view text, Line line) {
    if (line.end > line.start && text[line.start] == '|') ++line.start;
    if (line.end > line.start && text[line.end - 1] == '|') --line.end;
    std::vector<Line> cells;
    for (std::size_t p = line.start;;) {
        std::size_t bar = text.substr(0, line.end).find('|', p);
        if (bar == std::string_view::npos) bar = line.end;
        const std::size_t start = std::min(SkipWhiteSpace(text, p), bar);
        cells.push_back({start, std::max(start, TrimmedEnd(text.substr(0, bar)))});
        if (bar == line.end) return cells;
        p = bar + 1;
    }
}

bool IsDelimiterRow(std::string_view text, Line line) {
    if (text.substr(line.start, line.end - line.start).find('|') == std::string_view::npos) return false;
    for (const Line& cell : Cells(text, line)) {
        std::string_view content = text.substr(cell.start, cell.end - cell.start);
        if (content.starts_with(':')) content.remove_prefix(1);
        if (content.ends_with(':')) content.remove_suffix(1);
        if (content.empty() || content.find_first_not_of('-') != std::string_view::npos) return false;
    }
    return true;
}

} // namespace

NotationParse ParseMarkdown(std::string_view text, bool complexMode) {
    const std::vector<Line> lines = TableLines(text);
    std::size_t delimiter = 0;
    while (delimiter < 2 && delimiter < lines.size() && !IsDelimiterRow(text, lines[delimiter])) ++delimiter;
    if (delimiter == 2 || delimiter == lines.size()) return {};

    ElementSyntax syntax;
    syntax.complexMode = complexMode;
    syntax.blankMultiplies = true;
    GridBuilder builder;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i == delimiter) continue;
        const std::vector<Line> cells = Cells(text, lines[i]);
        bool numbers = false;
        bool words = false;
        std::size_t fault = 0;
        for (const Line& cell : cells) {
            ScannedElement element;
            if (ScanWholeCell(text.substr(cell.start, cell.end - cell.start), syntax, element)) {
                if (!builder.Add(element)) return FaultAt(cell.start);
                numbers = true;
            } else if (!words) {
                words = true;
                fault = cell.start + (cell.end > cell.start ? element.fault : 0);
            }
        }
        const bool header = i + 1 == delimiter;
        if (header && !numbers) continue;
        if (words) return FaultAt(fault);
        if (!builder.EndRow()) return FaultAt(lines[i].end);
    }
    if (builder.Grid().rows == 0) return FaultAt(lines.back().end);
    return ReadGrid(std::move(builder.Grid()));
}
