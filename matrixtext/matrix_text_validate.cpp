#include "matrixtext/matrix_text.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <string_view>
#include <utility>
#include <vector>

namespace {

// One table lookup per character: the checks read whole pasted matrices.
constexpr std::array<bool, 256> MakeEntryCharacters() {
    std::array<bool, 256> entry{};
    for (const unsigned char c : std::string_view("0123456789eE.(),+- \r\n"))
        entry[c] = true;
    return entry;
}

constexpr std::array<bool, 256> kEntryCharacters = MakeEntryCharacters();

bool IsEntryCharacter(char c) {
    return kEntryCharacters[static_cast<unsigned char>(c)];
}

} // namespace

const char* SyntaxErrorText(int index) {
    static const char* const kTexts[] = {"Syntax Error", "Unbalanced Parentheses",
                                         "No Expression Present", "Invalid Expression"};
    if (index < 0 || index >= static_cast<int>(std::size(kTexts))) return "";
    return kTexts[index];
}

namespace {

// Where an unbalanced text goes wrong first: the earliest parenthesis left
// without its partner.
std::size_t FirstUnmatchedParenthesis(const std::string& text) {
    std::vector<std::size_t> open;
    std::size_t firstStrayClose = text.size();
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '(') {
            open.push_back(i);
        } else if (text[i] == ')') {
            if (!open.empty())
                open.pop_back();
            else if (firstStrayClose == text.size())
                firstStrayClose = i;
        }
    }
    return open.empty() ? firstStrayClose : std::min(open.front(), firstStrayClose);
}

// Where a balanced text that is no list of pairs goes wrong first: a comma
// outside a pair or a second one in it, a pair closed without a comma (its
// opening parenthesis), or a closing parenthesis that opens nothing.
std::size_t FirstMisplacedPairCharacter(const std::string& text) {
    std::vector<std::pair<std::size_t, int>> open; // where each pair opened, its commas
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '(') {
            open.push_back({i, 0});
        } else if (c == ',') {
            if (open.empty() || ++open.back().second > 1) return i;
        } else if (c == ')') {
            if (open.empty()) return i;
            if (open.back().second == 0) return open.back().first;
            open.pop_back();
        }
    }
    return open.empty() ? 0 : open.front().first;
}

} // namespace

EntryFault FindEntryFault(const std::string& text, bool complexMode) {
    long long opens = 0;
    long long depth = 0;
    long long commas = 0;
    std::size_t firstPairCharacter = text.size();
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (!IsEntryCharacter(c)) return {kInvalidExpression, i};
        if ((c == '(' || c == ')' || c == ',') && firstPairCharacter == text.size())
            firstPairCharacter = i;
        if (c == '(') {
            ++opens;
            ++depth;
        } else if (c == ')') {
            --depth;
        } else if (c == ',') {
            ++commas;
        }
    }
    if (!complexMode) {
        if (firstPairCharacter == text.size()) return {};
        return {kInvalidExpression, firstPairCharacter};
    }
    if (depth == 0 && opens == commas) return {};
    if (depth != 0) return {kUnbalancedParentheses, FirstUnmatchedParenthesis(text)};
    return {kInvalidExpression, FirstMisplacedPairCharacter(text)};
}

int ValidateEntryText(const std::string& text, bool complexMode) {
    return FindEntryFault(text, complexMode).index;
}
