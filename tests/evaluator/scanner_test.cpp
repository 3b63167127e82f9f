#include "evaluator/expression_scanner.h"
#include "evaluator/leading_number.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>
#include <vector>

namespace {

using Tok = std::pair<TokenType, std::string>;

std::vector<Tok> Tokens(const std::string& line) {
    CExpressionScanner scanner;
    scanner.Reset(line);
    std::vector<Tok> tokens;
    for (scanner.GetToken(); !scanner.AtEnd(); scanner.GetToken()) {
        tokens.emplace_back(scanner.Current().type, scanner.Current().text);
    }
    return tokens;
}

} // namespace

TEST(Scanner, WordsRunToABlankOrDelimiter) {
    const std::vector<Tok> sum = {
        {MatrixVariableToken, "A"}, {DelimiterToken, "+"}, {MatrixVariableToken, "B"}};
    EXPECT_EQ(Tokens("A+B"), sum);
    EXPECT_EQ(Tokens("  A  +\tB   "), sum);
    EXPECT_EQ(Tokens("2.5e3*A1"),
              (std::vector<Tok>{
                  {NumberToken, "2.5e3"}, {DelimiterToken, "*"}, {MatrixVariableToken, "A1"}}));
    EXPECT_EQ(Tokens("2.5e-3"),
              (std::vector<Tok>{{NumberToken, "2.5e"}, {DelimiterToken, "-"}, {NumberToken, "3"}}));
    // Lower-case words are lower-cased whole before the function lookup.
    EXPECT_EQ(Tokens("sIN xY SIN sine"), (std::vector<Tok>{{FunctionToken, "sin"},
                                                           {NumericVariableToken, "xy"},
                                                           {MatrixVariableToken, "SIN"},
                                                           {NumericVariableToken, "sine"}}));
    // A character that starts no token ends the tokens of the line.
    EXPECT_TRUE(Tokens(".5").empty());
    EXPECT_EQ(Tokens("a #b"), (std::vector<Tok>{{NumericVariableToken, "a"}}));
}

TEST(Scanner, LongWordsAreCutAndReadAgainWhole) {
    const std::string word = "x" + std::string(500, 'y');
    CExpressionScanner scanner;
    scanner.Reset("A  " + word + " =");
    scanner.GetToken();
    scanner.GetToken();
    EXPECT_EQ(scanner.Current().text, word.substr(0, CExpressionScanner::kMaxWordLength));
    scanner.PutBack();
    scanner.GetToken();
    EXPECT_EQ(scanner.Current().text.size(), CExpressionScanner::kMaxWordLength);
    scanner.GetToken();
    EXPECT_TRUE(scanner.IsDelimiter('='));
    scanner.GetToken();
    scanner.PutBack(); // the empty token moves nothing
    scanner.GetToken();
    EXPECT_TRUE(scanner.AtEnd());
}

TEST(LeadingNumber, ReadsTheLongestDecimalPrefix) {
    EXPECT_DOUBLE_EQ(ReadLeadingNumber("2.5e3"), 2500.0);
    EXPECT_DOUBLE_EQ(ReadLeadingNumber("12ab"), 12.0);
    EXPECT_DOUBLE_EQ(ReadLeadingNumber("2.5e"), 2.5);
    EXPECT_DOUBLE_EQ(ReadLeadingNumber("1.2.3"), 1.2);
    EXPECT_DOUBLE_EQ(ReadLeadingNumber("0x10"), 0.0);
    EXPECT_DOUBLE_EQ(ReadLeadingNumber("inf"), 0.0);
    EXPECT_TRUE(std::isinf(ReadLeadingNumber("1e999")));
}
