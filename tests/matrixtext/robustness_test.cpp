#include "calculator/matrix_text.h"

#include <gtest/gtest.h>

#include <chrono>
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

std::string Repeat(const std::string& piece, std::size_t times) {
    std::string text;
    text.reserve(piece.size() * times);
    for (std::size_t i = 0; i < times; ++i)
        text += piece;
    return text;
}

// Texts that would make a reader rescan what it has passed; read in linear
// time they take milliseconds, read quadratically many minutes.
TEST(MatrixTextRobustness, PathologicalTextsReadInLinearTime) {
    const std::size_t n = 200000;
    const std::string texts[] = {
        Repeat("1e", n),   Repeat("1-", n),        Repeat("9", 2 * n), Repeat("(", n),
        Repeat(")", n),    Repeat("1.", n),        Repeat("e", n),     Repeat("0x1", n),
        Repeat(" ", n),    Repeat("\n", n),        Repeat("1,", n),    Repeat("(1, 2) ", n / 4),
        Repeat("nan(", n), Repeat("1e+5 ", n / 2),
    };
    const auto start = std::chrono::steady_clock::now();
    for (const std::string& text : texts) {
        ValidateEntryText(text, true);
        ParseReal(text);
        ParseRealExponent(text);
        ParseComplex(text);
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    EXPECT_LT(seconds, 10.0);
}

} // namespace
