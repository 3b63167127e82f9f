#include "interchange/latex_notation.h"

#include "interchange/text_scan.h"

#include <string>

namespace {

constexpr std::string_view kEnvironments[] = {"bmatrix", "pmatrix", "vmatrix",     "Bmatrix",
                                              "Vmatrix", "matrix",  "smallmatrix", "array"};

struct Environment {
    std::size_t begin = std::string_view::npos; // the backslash of \begin
    std::size_t contentStart = 0;
    std::string end; // "\end{NAME}"
};

Environment FindEnvironment(std::string_view text) {
    for (std::size_t at = text.find("\\begin{"); at != std::string_view::npos;
         at = text.find("\\begin{", at + 1)) {
        for (std::string_view name : kEnvironments) {
            const std::size_t nameAt = at + 7;
            if (StartsAt(text, nameAt, name) && CharacterAt(text, nameAt + name.size(), '}'))
                return {at, nameAt + name.size() + 1, "\\end{" + std::string(name) + "}"};
        }
    }
    return {};
}

// Skips the math delimiters and white space allowed around the environment;
// returns the first other character's index, or `to`.
std::size_t SkipDelimiters(std::string_view text, std::size_t from, std::size_t to) {
    const std::string_view part = text.substr(0, to);
    std::size_t p = from;
    for (;;) {
        const std::size_t before = p;
        p = SkipWhiteSpace(part, p);
        for (std::string_view mark : {"$", "\\[", "\\]", "\\(", "\\)", "\\displaystyle"}) {
            if (StartsAt(part, p, mark)) p += mark.size();
        }
        for (std::string_view size : {"\\left", "\\right"}) {
            if (!StartsAt(part, p, size)) continue;
            std::size_t q = p + size.size();
            if (StartsAt(part, q, "\\{") || StartsAt(part, q, "\\}") || StartsAt(part, q, "\\|")) q += 2;
            else if (q < part.size() && std::string_view("()[]|.").find(part[q]) != std::string_view::npos) ++q;
            else continue;
            p = q;
        }
        if (p == before) return p;
    }
}

std::size_t SkipHlines(std::string_view text, std::size_t p) {
    for (p = SkipWhiteSpace(text, p); StartsAt(text, p, "\\hline"); p = SkipWhiteSpace(text, p + 6)) {
    }
    return p;
}

// The first "&" or "\\" at or after `p`, or `end`.
std::size_t CellEnd(std::string_view text, std::size_t p, std::size_t end) {
    for (; p < end; ++p) {
        if (text[p] == '&' || (text[p] == '\\' && CharacterAt(text, p + 1, '\\'))) return p;
    }
    return end;
}

} // namespace

NotationParse ParseLatex(std::string_view text, bool complexMode) {
    const Environment environment = FindEnvironment(text);
    if (environment.begin == std::string_view::npos) return {};
    if (const std::size_t p = SkipDelimiters(text, 0, environment.begin); p != environment.begin)
        return FaultAt(p);
    std::size_t p = environment.contentStart;
    if (environment.end == "\\end{array}") {
        p = SkipWhiteSpace(text, p);
        const std::size_t close = CharacterAt(text, p, '{') ? text.find('}', p) : std::string_view::npos;
        if (close == std::string_view::npos) return FaultAt(p);
        p = close + 1;
    }
    const std::size_t contentEnd = text.find(environment.end, p);
    if (contentEnd == std::string_view::npos) return FaultAt(TrimmedEnd(text));
    const std::size_t after = contentEnd + environment.end.size();
    if (const std::size_t q = SkipDelimiters(text, after, text.size()); q != text.size()) return FaultAt(q);

    ElementSyntax syntax;
    syntax.complexMode = complexMode;
    GridBuilder builder;
    for (p = SkipHlines(text, p); p < contentEnd; p = SkipHlines(text, p)) {
        const std::size_t end = CellEnd(text, p, contentEnd);
        const std::size_t cellStart = SkipWhiteSpace(text, p);
        if (cellStart >= end) return FaultAt(end);
        const std::size_t cellEnd = TrimmedEnd(text.substr(0, end));
        ScannedElement element;
        if (!ScanWholeCell(text.substr(cellStart, cellEnd - cellStart), syntax, element))
            return FaultAt(cellStart + element.fault);
        if (!builder.Add(element)) return FaultAt(cellStart);
        if (end < contentEnd && text[end] == '&') {
            p = end + 1;
            continue;
        }
        if (!builder.EndRow()) return FaultAt(end);
        p = end == contentEnd ? end : end + 2;
        // "\\[2pt]": the space asked for after a row.
        const std::size_t q = SkipWhiteSpace(text, p);
        if (CharacterAt(text, q, '[')) {
            const std::size_t close = text.find(']', q);
            if (close == std::string_view::npos || close > contentEnd) return FaultAt(q);
            p = close + 1;
        }
    }
    // A last row ended by "&" lacks its last cell.
    if (builder.ElementsInRow() > 0 || builder.Grid().rows == 0) return FaultAt(contentEnd);
    return ReadGrid(std::move(builder.Grid()));
}
