#include "calculator/matrix_text.h"

#include <gtest/gtest.h>

#include <random>

namespace {

// Texts mostly made of the characters an entry may hold, with a few stray bytes.
std::string RandomText(std::mt19937& random) {
    static const std::string kAlphabet = "0123456789eE.(),+- \r\n\r\n     ";
    std::uniform_int_distribution<std::size_t> length(0, 120);
    std::uniform_int_distribution<std::size_t> pick(0, kAlphabet.size() - 1);
    std::uniform_int_distribution<int> stray(0, 40);
    std::uniform_int_distribution<int> byte(0, 255);
    std::string text(length(random), ' ');
    for (char& c : text)
        c = stray(random) == 0 ? static_cast<char>(byte(random)) : kAlphabet[pick(random)];
    return text;
}

void ExpectShapeFitsText(const NEWMAT::Matrix& m, const std::string& text) {
    EXPECT_GE(m.Nrows(), 0);
    EXPECT_GE(m.Ncols(), 0);
    // Every element comes from at least one character of the text.
    EXPECT_LE(static_cast<std::size_t>(m.Storage()), text.size() + 1);
}

TEST(MatrixTextRobustness, RandomTextsThroughValidatorReadersAndWriters) {
    for (unsigned seed = 1; seed <= 5; ++seed) {
        std::mt19937 random(seed);
        for (int round = 0; round < 400; ++round) {
            const std::string text = RandomText(random);
            for (bool complexMode : {false, true}) {
                const int index = ValidateEntryText(text, complexMode);
                EXPECT_TRUE(index == kEntryValid || index == kUnbalancedParentheses ||
                            index == kInvalidExpression);
            }
            const NEWMAT::Matrix real = ParseReal(text);
            const NEWMAT::Matrix exponent = ParseRealExponent(text);
            const NEWMAT::Matrix dual = ParseComplex(text);
            ExpectShapeFitsText(real, text);
            ExpectShapeFitsText(exponent, text);
            ExpectShapeFitsText(dual, text);
            EXPECT_EQ(dual.Ncols() % 2, 0);
            // Whatever was read can be written in every format.
            FormatFixed(real, 2, 3, 10);
            FormatFixed(exponent, 1, 0, 7 + round % 250);
            FormatExponential(exponent, 1, round % 20);
            FormatComplex(dual, round % 11 - 5, 2);
        }
    }
}

} // namespace
