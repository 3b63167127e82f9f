#include "interchange/matlab_notation.h"

#include "interchange/text_scan.h"

namespace {

// The index of the closing "]" of a claimed text, 0 when not claimed.
std::size_t ClosingBracket(std::string_view text) {
    const std::size_t open = SkipWhiteSpace(text, 0);
    if (!CharacterAt(text, open, '[') || CharacterAt(text, SkipWhiteSpace(text, open + 1), '[')) return 0;
    std::size_t end = TrimmedEnd(text);
    if (end > 0 && text[end - 1] == ';') end = TrimmedEnd(text.substr(0, end - 1));
    return end > open + 1 && text[end - 1] == ']' ? end - 1 : 0;
}

std::size_t LineEnd(std::string_view text, std::size_t at) {
    const std::size_t lf = text.find('\n', at);
    return lf == std::string_view::npos ? text.size() : lf;
}

} // namespace

NotationParse ParseMatlab(std::string_view text, bool complexMode) {
    const std::size_t close = ClosingBracket(text);
    if (close == 0) return {};
    ElementSyntax syntax;
    syntax.complexMode = complexMode;
    syntax.blanksSeparate = true;
    GridBuilder builder;
    bool afterElement = false;
    std::size_t p = SkipWhiteSpace(text, 0) + 1;
    for (;;) {
        p = SkipBlanks(text, p);
        if (p == close) break;
        if (StartsAt(text, p, "...") || text[p] == '%') {
            // A continuation or a comment: the rest of the line is skipped,
            // and after "..." its line break does not end the row.
            const bool continues = text[p] == '.';
            p = LineEnd(text, p);
            if (continues && p < close) ++p;
            continue;
        }
        const char c = text[p];
        if (c == '\r' || c == '\n' || c == ';') {
            if (builder.ElementsInRow() > 0 && !builder.EndRow()) return FaultAt(p);
            afterElement = false;
            ++p;
            continue;
        }
        if (c == ',') {
            if (!afterElement) return FaultAt(p);
            afterElement = false;
            ++p;
            continue;
        }
        const ScannedElement element = ScanElement(text, p, syntax);
        if (!element.read) return FaultAt(element.fault);
        if (!builder.Add(element)) return FaultAt(p);
        p = element.end;
        if (p < close && !IsWhiteSpace(text[p]) && text[p] != ',' && text[p] != ';' &&
            !StartsAt(text, p, "...") && text[p] != '%')
            return FaultAt(p);
        afterElement = true;
    }
    if (builder.ElementsInRow() > 0 && !builder.EndRow()) return FaultAt(close);
    if (builder.Grid().rows == 0) return FaultAt(close);
    return ReadGrid(std::move(builder.Grid()));
}
