// The transcript comparison: numbers to a tolerance, everything else exactly.

#include <gtest/gtest.h>

#include <string>

#include "tools/transcripts/transcript_compare.h"

namespace {

bool Agree(const std::string& expected, const std::string& actual) {
    return !CompareTranscripts(expected, actual).found;
}

TEST(TranscriptCompare, RoundingResidueAgreesAndAWrongDigitDoesNot) {
    const std::string golden = "matrix 2 2\n5.9160797830996161 7.4373574416109465\n0 0.82807867121082579\n";
    EXPECT_TRUE(Agree(golden, "matrix 2 2\n5.9160797830996161 7.4373574416109456\n0 0.82807867121082579\n"));
    EXPECT_TRUE(Agree(golden, "matrix 2 2\n5.9160797830996152 7.4373574416109465\n-0 0.8280786712108259\n"));
    // A relative error of 1e-9 is a wrong digit in the tenth place.
    EXPECT_FALSE(Agree(golden, "matrix 2 2\n5.9160797830996161 7.4373574490483039\n0 0.82807867121082579\n"));
    EXPECT_FALSE(Agree(golden, "matrix 2 3\n5.9160797830996161 7.4373574416109465\n0 0.82807867121082579\n"));
}

TEST(TranscriptCompare, AMatrixSharesItsScaleAndALineKeepsItsOwn) {
    // A residue beside a 1 in the row above is rounding; alone on a line it is the answer.
    EXPECT_TRUE(Agree("1 0.5\n2.2204460492503131e-16 1\n", "1 0.5\n-1.1102230246251565e-16 1\n"));
    EXPECT_TRUE(Agree("0.99999999999999989 0\n", "1.0000000000000000 0\n"));
    EXPECT_FALSE(Agree("matrix 1 1\n1e-16\n", "matrix 1 1\n2e-16\n"));
    EXPECT_FALSE(Agree("message \"Determinant\" \"Determinant = 1e-16\"\n",
                       "message \"Determinant\" \"Determinant = 3e-16\"\n"));
}

TEST(TranscriptCompare, SignsAndPaddingOfAgreeingNumbersFollowThem) {
    EXPECT_TRUE(Agree("display yellow \"1.00    -0.00\\r\\n\"\n", "display yellow \"1.00     0.00\\r\\n\"\n"));
    EXPECT_TRUE(Agree("  -0.00    2.00\n", "   0.00    2.00\n"));
    // Padding that changes while every number stays as written is a new width.
    EXPECT_FALSE(Agree("display yellow \"1.00    2.00\\r\\n\"\n", "display yellow \"1.00      2.00\\r\\n\"\n"));
    EXPECT_FALSE(Agree("1.00    2.00\n", "1.00,   2.00\n"));
}

TEST(TranscriptCompare, WordsFormatsAndRadixTextsAreText) {
    EXPECT_FALSE(Agree("message \"Error\" \"Singular Matrix\"\n", "message \"Error\" \"Singular matrix\"\n"));
    EXPECT_FALSE(Agree("1.500e+003 2\n", "1.500E+003 2\n"));
    EXPECT_FALSE(Agree("1.500e+003 2\n", "1.500e+03 2\n"));
    EXPECT_FALSE(Agree("1.500e+003\n", "1500.000\n"));
    EXPECT_FALSE(Agree("ff 1f\n", "ff 1e\n"));
    EXPECT_FALSE(Agree("step R2 <- R2\n", "step R3 <- R2\n"));
    EXPECT_FALSE(Agree("-inf\n", "inf\n"));
    EXPECT_FALSE(Agree("display \"1.00\\r\\n2.00\"\n", "display \"1.00\\r\\n2.01\"\n"));
}

TEST(TranscriptCompare, NamesTheFirstDifferingLine) {
    const TranscriptDifference changed = CompareTranscripts("a\nb 1\nc\n", "a\nb 2\nd\n");
    EXPECT_TRUE(changed.found);
    EXPECT_EQ(changed.line, 2u);
    EXPECT_EQ(changed.expected, "b 1");
    EXPECT_EQ(changed.actual, "b 2");

    const TranscriptDifference shorter = CompareTranscripts("a\nb\n", "a\n");
    EXPECT_TRUE(shorter.found);
    EXPECT_EQ(shorter.line, 2u);
    EXPECT_FALSE(Agree("a\n", "a\nb\n"));
    EXPECT_FALSE(Agree("a\n", "a"));
    EXPECT_TRUE(Agree("", ""));
}

} // namespace
