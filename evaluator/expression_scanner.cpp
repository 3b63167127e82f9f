#include "evaluator/expression_scanner.h"

#include "evaluator/function_table.h"

#include <cstring>

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

bool IsOperatorChar(char c) {
    return c != '\0' && std::strchr("+-*/%^=()", c) != nullptr;
}

// Line feed, vertical tab and form feed do not end a word; only these do.
bool EndsWord(char c) {
    return c == ' ' || c == '\t' || c == '\r' || IsOperatorChar(c);
}

bool IsLower(char c) {
    return c >= 'a' && c <= 'z';
}
bool IsUpper(char c) {
    return c >= 'A' && c <= 'Z';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

void ExpressionScanner::Reset(std::string line) {
    line_ = std::move(line);
    pos_ = 0;
    token_ = Token{};
}

void ExpressionScanner::GetToken() {
    token_ = Token{};
    while (pos_ < line_.size() && IsBlank(line_[pos_]))
        ++pos_;
    token_.start = pos_;
    if (pos_ >= line_.size()) return;

    const char first = line_[pos_];
    if (IsOperatorChar(first)) {
        token_.type = DelimiterToken;
        token_.text.assign(1, first);
        ++pos_;
        return;
    }
    if (IsLower(first)) {
        token_.type = NameToken;
    } else if (IsDigit(first)) {
        token_.type = NumberToken;
    } else if (IsUpper(first)) {
        token_.type = MatrixVariableToken;
    } else {
        return;
    }
    while (pos_ < line_.size() && !EndsWord(line_[pos_])) {
        if (token_.text.size() < kMaxWordLength) token_.text += line_[pos_];
        ++pos_;
    }
    if (token_.type == NameToken) {
        for (char& c : token_.text) {
            if (IsUpper(c)) c = static_cast<char>(c - 'A' + 'a');
        }
        token_.type = LookupFunction(token_.text) ? FunctionToken : NumericVariableToken;
    }
}

void ExpressionScanner::PutBack() {
    if (!token_.text.empty()) pos_ = token_.start;
}

void ExpressionScanner::SkipToEnd() {
    pos_ = line_.size();
    token_ = Token{};
    token_.start = pos_;
}

bool ExpressionScanner::IsDelimiter(char c) const {
    return token_.type == DelimiterToken && token_.text.size() == 1 && token_.text[0] == c;
}
