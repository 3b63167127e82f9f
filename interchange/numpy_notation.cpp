#include "interchange/numpy_notation.h"

#include "interchange/text_scan.h"

#include <cctype>

namespace {

// The index of the array's outer "[" and whether it stands inside a call;
// npos when the text is not claimed.
struct Opening {
    std::size_t bracket = std::string_view::npos;
    bool call = false;
};

Opening FindOpening(std::string_view text) {
    std::size_t p = SkipWhiteSpace(text, 0);
    for (std::string_view module : {"np.", "numpy."}) {
        if (StartsAt(text, p, module)) p += module.size();
    }
    for (std::string_view call : {"array(", "matrix("}) {
        if (StartsAt(text, p, call)) return {SkipWhiteSpace(text, p + call.size()), true};
    }
    if (CharacterAt(text, p, '[') && CharacterAt(text, SkipWhiteSpace(text, p + 1), '[')) return {p, false};
    return {};
}

bool IsTypeNameCharacter(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '.' || c == '\'' ||
           c == '"' || c == '<' || c == '>' || c == '|';
}

// ", dtype=NAME" before a call's closing parenthesis; returns the index
// after it, or `at` when there is none.
std::size_t SkipTypeArgument(std::string_view text, std::size_t at) {
    std::size_t p = SkipWhiteSpace(text, at);
    if (!CharacterAt(text, p, ',')) return at;
    p = SkipWhiteSpace(text, p + 1);
    if (!StartsAt(text, p, "dtype")) return at;
    p = SkipWhiteSpace(text, p + 5);
    if (!CharacterAt(text, p, '=')) return at;
    p = SkipWhiteSpace(text, p + 1);
    const std::size_t name = p;
    while (p < text.size() && IsTypeNameCharacter(text[p])) ++p;
    return p > name ? p : at;
}

class ListReader {
  public:
    ListReader(std::string_view text, bool complexMode) : text_(text) {
        syntax_.complexMode = complexMode;
        syntax_.blanksSeparate = true;
    }

    // Reads the elements of one row after its "[" up to its "]"; returns the
    // index after the "]", or npos with fault_ set.
    std::size_t ReadRow(std::size_t p) {
        for (;;) {
            p = SkipWhiteSpace(text_, p);
            if (CharacterAt(text_, p, ']')) {
                if (!builder_.EndRow()) return Fail(p);
                return p + 1;
            }
            const ScannedElement element = ScanElement(text_, p, syntax_);
            if (!element.read) return Fail(element.fault);
            if (!builder_.Add(element)) return Fail(p);
            p = SkipWhiteSpace(text_, element.end);
            if (CharacterAt(text_, p, ',')) ++p;
            else if (!CharacterAt(text_, p, ']') && p == element.end) return Fail(p);
        }
    }

    // Reads the rows after the outer "[" up to its "]"; returns the index
    // after it, or npos.
    std::size_t ReadRows(std::size_t p) {
        for (;;) {
            p = SkipWhiteSpace(text_, p);
            if (!CharacterAt(text_, p, '[')) return Fail(p);
            p = ReadRow(p + 1);
            if (p == std::string_view::npos) return p;
            p = SkipWhiteSpace(text_, p);
            if (CharacterAt(text_, p, ']')) return p + 1;
            if (CharacterAt(text_, p, ',')) ++p;
        }
    }

    std::size_t Fail(std::size_t at) {
        fault_ = at;
        return std::string_view::npos;
    }

    GridBuilder& Builder() { return builder_; }
    std::size_t Fault() const { return fault_; }

  private:
    std::string_view text_;
    ElementSyntax syntax_;
    GridBuilder builder_;
    std::size_t fault_ = 0;
};

} // namespace

NotationParse ParseNumpy(std::string_view text, bool complexMode) {
    const Opening opening = FindOpening(text);
    if (opening.bracket == std::string_view::npos) return {};
    if (!CharacterAt(text, opening.bracket, '[')) return FaultAt(opening.bracket);
    ListReader reader(text, complexMode);
    const std::size_t inner = SkipWhiteSpace(text, opening.bracket + 1);
    std::size_t p = CharacterAt(text, inner, '[') ? reader.ReadRows(inner) : reader.ReadRow(inner);
    if (p == std::string_view::npos) return FaultAt(reader.Fault());
    if (opening.call) {
        p = SkipWhiteSpace(text, SkipTypeArgument(text, p));
        if (!CharacterAt(text, p, ')')) return FaultAt(p);
        ++p;
    }
    p = SkipWhiteSpace(text, p);
    if (p < text.size()) return FaultAt(p);
    return ReadGrid(std::move(reader.Builder().Grid()));
}
