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

void CExpressionScanner::Reset(std::string line) {
    m_line = std::move(line);
    m_pos = 0;
    m_token = Token{};
}

void CExpressionScanner::GetToken() {
    m_token = Token{};
    while (m_pos < m_line.size() && IsBlank(m_line[m_pos]))
        ++m_pos;
    m_token.start = m_pos;
    if (m_pos >= m_line.size()) return;

    const char first = m_line[m_pos];
    if (IsOperatorChar(first)) {
        m_token.type = DelimiterToken;
        m_token.text.assign(1, first);
        ++m_pos;
        return;
    }
    if (IsLower(first)) {
        m_token.type = NameToken;
    } else if (IsDigit(first)) {
        m_token.type = NumberToken;
    } else if (IsUpper(first)) {
        m_token.type = MatrixVariableToken;
    } else {
        return;
    }
    while (m_pos < m_line.size() && !EndsWord(m_line[m_pos])) {
        if (m_token.text.size() < kMaxWordLength) m_token.text += m_line[m_pos];
        ++m_pos;
    }
    if (m_token.type == NameToken) {
        for (char& c : m_token.text) {
            if (IsUpper(c)) c = static_cast<char>(c - 'A' + 'a');
        }
        m_token.type = LookupFunction(m_token.text) ? FunctionToken : NumericVariableToken;
    }
}

void CExpressionScanner::PutBack() {
    if (!m_token.text.empty()) m_pos = m_token.start;
}

void CExpressionScanner::SkipToEnd() {
    m_pos = m_line.size();
    m_token = Token{};
    m_token.start = m_pos;
}

bool CExpressionScanner::IsDelimiter(char c) const {
    return m_token.type == DelimiterToken && m_token.text.size() == 1 && m_token.text[0] == c;
}
