#include "calculator/matrix_text.h"

#include <gtest/gtest.h>

namespace {

TEST(ValidateEntryText, RealModeAcceptsNumbersAndRefusesPairs) {
    EXPECT_EQ(ValidateEntryText("", false), kEntryValid);
    EXPECT_EQ(ValidateEntryText("1 -2.5 +3\r\n4E+003 5e-1\n", false), kEntryValid);
    EXPECT_EQ(ValidateEntryText("1\t2", false), kInvalidExpression);
    EXPECT_EQ(ValidateEntryText("1 x", false), kInvalidExpression);
    EXPECT_EQ(ValidateEntryText(std::string("1\0", 2), false), kInvalidExpression);
    EXPECT_EQ(ValidateEntryText("(1, 2)", false), kInvalidExpression);
    EXPECT_EQ(ValidateEntryText("1,2", false), kInvalidExpression);
    EXPECT_EQ(ValidateEntryText(")", false), kInvalidExpression);
}

TEST(ValidateEntryText, ComplexModeCountsParenthesesAndCommas) {
    EXPECT_EQ(ValidateEntryText("(1, 2)  (3e+000, -4)\r\n", true), kEntryValid);
    EXPECT_EQ(ValidateEntryText("1 2", true), kEntryValid);
    EXPECT_EQ(ValidateEntryText(")(,", true), kEntryValid); // order is not checked
    EXPECT_EQ(ValidateEntryText("((1, 2)", true), kUnbalancedParentheses);
    EXPECT_EQ(ValidateEntryText("(1, 2))", true), kUnbalancedParentheses);
    EXPECT_EQ(ValidateEntryText("(1 2)", true), kInvalidExpression);
    EXPECT_EQ(ValidateEntryText("(1, 2, 3)", true), kInvalidExpression);
    EXPECT_EQ(ValidateEntryText("(1; 2)", true), kInvalidExpression);
}

TEST(SyntaxErrorText, TableTexts) {
    EXPECT_STREQ(SyntaxErrorText(kSyntaxError), "Syntax Error");
    EXPECT_STREQ(SyntaxErrorText(kUnbalancedParentheses), "Unbalanced Parentheses");
    EXPECT_STREQ(SyntaxErrorText(kNoExpressionPresent), "No Expression Present");
    EXPECT_STREQ(SyntaxErrorText(kInvalidExpression), "Invalid Expression");
    EXPECT_STREQ(SyntaxErrorText(kEntryValid), "");
    EXPECT_STREQ(SyntaxErrorText(4), "");
}

} // namespace
