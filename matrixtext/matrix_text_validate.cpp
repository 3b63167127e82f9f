#include "matrixtext/matrix_text.h"

#include <iterator>
#include <string_view>

namespace {

bool IsEntryCharacter(char c) {
    constexpr std::string_view kOthers = "eE.(),+- \r\n";
    return (c >= '0' && c <= '9') || kOthers.find(c) != std::string_view::npos;
}

} // namespace

const char* SyntaxErrorText(int index) {
    static const char* const kTexts[] = {"Syntax Error", "Unbalanced Parentheses",
                                         "No Expression Present", "Invalid Expression"};
    if (index < 0 || index >= static_cast<int>(std::size(kTexts))) return "";
    return kTexts[index];
}

int ValidateEntryText(const std::string& text, bool complexMode) {
    long long opens = 0;
    long long depth = 0;
    long long commas = 0;
    bool pairCharacter = false;
    for (char c : text) {
        if (!IsEntryCharacter(c)) return kInvalidExpression;
        pairCharacter = pairCharacter || c == '(' || c == ')' || c == ',';
        if (c == '(') {
            ++opens;
            ++depth;
        } else if (c == ')') {
            --depth;
        } else if (c == ',') {
            ++commas;
        }
    }
    if (!complexMode) return pairCharacter ? kInvalidExpression : kEntryValid;
    if (depth == 0 && opens == commas) return kEntryValid;
    return depth != 0 ? kUnbalancedParentheses : kInvalidExpression;
}
