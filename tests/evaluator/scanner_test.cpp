#include "evaluator/expression_scanner.h"
#include "evaluator/function_table.h"
#include "evaluator/leading_number.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>
#include <vector>

namespace {

std::vector<std::pair<TokenType, std::string>> Tokens(const std::string& line) {
    CExpressionScanner scanner;
    scanner.Reset(line);
    std::vector<std::pair<TokenType, std::string>> tokens;
    for (scanner.GetToken(); !scanner.AtEnd(); scanner.GetToken()) {
        tokens.emplace_back(scanner.Current().type, scanner.Current().text);
    }
    return tokens;
}

using Tok = std::pair<TokenType, std::string>;

} // namespace

TEST(Scanner, SpacingDoesNotChangeTheTokens) {
    const std::vector<Tok> expected = {
        {MatrixVariableToken, "A"}, {DelimiterToken, "+"}, {MatrixVariableToken, "B"}};
    EXPECT_EQ(Tokens("A+B"), expected);
    EXPECT_EQ(Tokens("A + B"), expected);
    EXPECT_EQ(Tokens("  A  +\tB   "), expected);
}

TEST(Scanner, WordsRunToABlankOrDelimiter) {
    EXPECT_EQ(Tokens("2.5e3*A1"), (std::vector<Tok>{{NumberToken, "2.5e3"},
                                                    {DelimiterToken, "*"},
                                                    {MatrixVariableToken, "A1"}}));
    // A signed exponent is cut at its sign.
    EXPECT_EQ(Tokens("2.5e-3"), (std::vector<Tok>{{NumberToken, "2.5e"},
                                                  {DelimiterToken, "-"},
                                                  {NumberToken, "3"}}));
    EXPECT_EQ(Tokens("x_y.z"), (std::vector<Tok>{{NumericVariableToken, "x_y.z"}}));
}

TEST(Scanner, LowerCaseWordsAreFunctionsOrNumericVariables) {
    EXPECT_EQ(Tokens("sIN"), (std::vector<Tok>{{FunctionToken, "sin"}}));
    EXPECT_EQ(Tokens("xY"), (std::vector<Tok>{{NumericVariableToken, "xy"}}));
    EXPECT_EQ(Tokens("SIN Sin"),
              (std::vector<Tok>{{MatrixVariableToken, "SIN"}, {MatrixVariableToken, "Sin"}}));
    EXPECT_EQ(Tokens("sine"), (std::vector<Tok>{{NumericVariableToken, "sine"}}));
}

TEST(Scanner, ACharacterThatStartsNoTokenEndsTheLine) {
    EXPECT_TRUE(Tokens(".5").empty());
    EXPECT_TRUE(Tokens("   ").empty());
    EXPECT_EQ(Tokens("a #b"), (std::vector<Tok>{{NumericVariableToken, "a"}}));
}

TEST(Scanner, LongWordsAreCutAndTheirRestSkipped) {
    const std::string word = "A" + std::string(500, 'B');
    const auto tokens = Tokens(word + " + 1");
    ASSERT_EQ(tokens.size(), 3u);
    EXPECT_EQ(tokens[0].second, word.substr(0, CExpressionScanner::kMaxWordLength));
    EXPECT_EQ(tokens[1], (Tok{DelimiterToken, "+"}));
}

TEST(Scanner, PutBackRereadsTheWholeToken) {
    CExpressionScanner scanner;
    const std::string word = "x" + std::string(200, 'y');
    scanner.Reset("A  " + word + " =");
    scanner.GetToken();
    scanner.GetToken();
    scanner.PutBack();
    scanner.GetToken();
    EXPECT_EQ(scanner.Current().type, NumericVariableToken);
    EXPECT_EQ(scanner.Current().text.size(), CExpressionScanner::kMaxWordLength);
    scanner.GetToken();
    EXPECT_TRUE(scanner.IsDelimiter('='));
    scanner.GetToken();
    scanner.PutBack(); // the empty token moves nothing
    scanner.GetToken();
    EXPECT_TRUE(scanner.AtEnd());
}

TEST(FunctionTable, KnowsEveryNameByExactMatch) {
    const char* names[] = {"sin",   "cos",    "tan",    "log",    "ln",  "exp",  "deg",
                           "rad",   "arcsin", "arcos",  "arctan", "det", "trans", "inv",
                           "trace", "rowvec", "colvec", "adj",    "rref", "norm", "flip",
                           "flop",  "sqrt",   "luu",    "lul"};
    int code = 1;
    for (const char* name : names) EXPECT_EQ(LookupFunction(name), code++) << name;
    EXPECT_EQ(LookupFunction("Sin"), NotAFunction);
    EXPECT_EQ(LookupFunction("si"), NotAFunction);
    EXPECT_EQ(LookupFunction(""), NotAFunction);
}

TEST(LeadingNumber, ReadsTheLongestDecimalPrefix) {
    EXPECT_DOUBLE_EQ(ReadLeadingNumber("2.5e3"), 2500.0);
    EXPECT_DOUBLE_EQ(ReadLeadingNumber("12ab"), 12.0);
    EXPECT_DOUBLE_EQ(ReadLeadingNumber("2.5e"), 2.5);
    EXPECT_DOUBLE_EQ(ReadLeadingNumber("1.2.3"), 1.2);
    EXPECT_DOUBLE_EQ(ReadLeadingNumber("5."), 5.0);
    EXPECT_DOUBLE_EQ(ReadLeadingNumber("12 digits"), 12.0);
    EXPECT_DOUBLE_EQ(ReadLeadingNumber("0x10"), 0.0);
    EXPECT_DOUBLE_EQ(ReadLeadingNumber("("), 0.0);
    EXPECT_DOUBLE_EQ(ReadLeadingNumber("inf"), 0.0);
    EXPECT_TRUE(std::isinf(ReadLeadingNumber("1e999")));
    EXPECT_EQ(ReadLeadingNumber("1e-999"), 0.0);
}
