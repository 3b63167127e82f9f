#include "interchange/mathematica_notation.h"

#include "interchange/text_scan.h"

namespace {

constexpr std::size_t kFailed = std::string_view::npos;

// The elements of one list after its "{" up to its "}", comma-separated;
// returns the index after the "}", or kFailed with `fault` set.
std::size_t ReadList(std::string_view text, std::size_t p, const ElementSyntax& syntax,
                     GridBuilder& builder, std::size_t& fault) {
    for (;;) {
        p = SkipWhiteSpace(text, p);
        const ScannedElement element = ScanElement(text, p, syntax);
        if (!element.read) return fault = element.fault, kFailed;
        if (!builder.Add(element)) return fault = p, kFailed;
        p = SkipWhiteSpace(text, element.end);
        if (CharacterAt(text, p, '}')) {
            if (!builder.EndRow()) return fault = p, kFailed;
            return p + 1;
        }
        if (!CharacterAt(text, p, ',')) return fault = p, kFailed;
        ++p;
    }
}

} // namespace

NotationParse ParseMathematica(std::string_view text, bool complexMode) {
    std::size_t p = SkipWhiteSpace(text, 0);
    if (!CharacterAt(text, p, '{')) return {};
    ElementSyntax syntax;
    syntax.complexMode = complexMode;
    syntax.blankMultiplies = true;
    GridBuilder builder;
    std::size_t fault = 0;
    p = SkipWhiteSpace(text, p + 1);
    if (!CharacterAt(text, p, '{')) {
        p = ReadList(text, p, syntax, builder, fault);
    } else {
        for (;;) {
            p = ReadList(text, p + 1, syntax, builder, fault);
            if (p == kFailed) break;
            p = SkipWhiteSpace(text, p);
            if (CharacterAt(text, p, '}')) {
                ++p;
                break;
            }
            if (!CharacterAt(text, p, ',')) return FaultAt(p);
            p = SkipWhiteSpace(text, p + 1);
            if (!CharacterAt(text, p, '{')) return FaultAt(p);
        }
    }
    if (p == kFailed) return FaultAt(fault);
    p = SkipWhiteSpace(text, p);
    if (p < text.size()) return FaultAt(p);
    return ReadGrid(std::move(builder.Grid()));
}
