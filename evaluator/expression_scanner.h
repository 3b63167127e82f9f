#pragma once

#include <cstddef>
#include <string>

enum TokenType {
    NoToken = 0,
    DelimiterToken = 1,
    NumericVariableToken = 2,
    NumberToken = 3,
    MatrixVariableToken = 4,
    FunctionToken = 5,
    NameToken = 6,
};

struct Token {
    TokenType type = NoToken;
    std::string text;
    std::size_t start = 0; // where the token's text begins in the line
};

// Splits one typed line into tokens. Words keep at most kMaxWordLength
// characters; the rest of a longer word is passed over.
class ExpressionScanner {
  public:
    static constexpr std::size_t kMaxWordLength = 79;

    void Reset(std::string line);

    // Reads the next token; at the end of the line (or before a character
    // that starts no token) the token is NoToken with empty text.
    void GetToken();

    // Returns to the start of the current token so that it is read again.
    void PutBack();

    // Makes a token read earlier the current one without moving.
    void Restore(const Token& token) { token_ = token; }

    // Abandons the rest of the line: the current token becomes the empty one.
    void SkipToEnd();

    const Token& Current() const { return token_; }
    bool IsDelimiter(char c) const;
    bool AtEnd() const { return token_.text.empty(); }

  private:
    std::string line_;
    std::size_t pos_ = 0;
    Token token_;
};
