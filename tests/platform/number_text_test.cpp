#include "platform/number_format.h"
#include "platform/number_parse.h"
#include "platform/plain_decimal.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(FormatSignificant, FixedOrExponentAndTheKeptPoint) {
    EXPECT_EQ(FormatSignificant(1234.5678, 7), "1234.568");
    EXPECT_EQ(FormatSignificant(100, 7), "100.");
    EXPECT_EQ(FormatSignificant(0, 7), "0.");
    EXPECT_EQ(FormatSignificant(0.0123, 7), "1.23e-002");
    EXPECT_EQ(FormatSignificant(-1234567890123.0, 12), "-1.23456789012e+012");
    // Rounding that carries into the next decade moves the exponent.
    EXPECT_EQ(FormatSignificant(9.9999999, 7), "10.");
    EXPECT_EQ(FormatSignificant(9999999.7, 7), "1.e+007");
}

TEST(FormatNumbers, ExponentFixedAndNonFinite) {
    EXPECT_EQ(FormatExponent(1500, 3), "1.500e+003");
    EXPECT_EQ(FormatExponent(-0.5, 1), "-5.0e-001");
    EXPECT_EQ(FormatFixedDecimals(0.125, 2), "0.12"); // exactly halfway: to even
    EXPECT_EQ(FormatFixedDecimals(3.7, -3), "4");
    EXPECT_EQ(FormatFixedDecimals(-1.7976931348623157e308, 0).size(), 310u);
    EXPECT_EQ(FormatFixedDecimals(-kInf, 2), "-inf");
    EXPECT_EQ(FormatExponent(std::nan(""), 3), "nan");
    EXPECT_EQ(FormatFixedField(kInf, 6, 2), "   inf");
    EXPECT_EQ(FormatExponentField(1500, 12, 2), "   1.50e+003");
}

// ff, ffffffff and 255:255:255:255 are on show in the norms_radix transcript.
TEST(FormatInteger, ItoaRadixesAndTheColonNotationAbove36) {
    EXPECT_EQ(FormatInteger(8, 8), "10");
    EXPECT_EQ(FormatInteger(std::numeric_limits<std::int32_t>::min(), 10), "-2147483648");
    EXPECT_EQ(FormatInteger(7, 200), "7");
    EXPECT_EQ(FormatInteger(255, 100), "2:55");
    EXPECT_EQ(TruncateToInt32(1e10), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(TruncateToInt32(-kInf), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(TruncateToInt32(std::nan("")), 0);
}

// Decimals of 1 to 25 digits with zeros in front and behind, about where
// 53 bits, 19 digits and the exact powers of ten run out.
std::string LongDecimal(std::mt19937& random) {
    std::uniform_int_distribution<int> digitCount(1, 25);
    std::uniform_int_distribution<int> digit(0, 9);
    std::uniform_int_distribution<int> choice(0, 5);
    std::string text = choice(random) == 0 ? "-" : choice(random) == 0 ? "+" : "";
    text.append(static_cast<std::size_t>(choice(random)), '0');
    const int digits = digitCount(random);
    const int point = std::uniform_int_distribution<int>(-1, digits)(random);
    for (int i = 0; i < digits; ++i) {
        if (i == point) text += '.';
        text += static_cast<char>('0' + (choice(random) == 0 ? 9 : digit(random)));
    }
    text.append(static_cast<std::size_t>(choice(random)), '0');
    if (choice(random) == 0) text += " 1";
    return text;
}

// The reader takes a fast path for plain decimals; it must agree with the C
// library's strtod (this test runs in the "C" locale) on every text, and so
// must the entry reader's quick case wherever it reads a number.
TEST(ReadCNumber, AgreesWithStrtodOnRandomTexts) {
    static const std::string kAlphabet = "0123456789..++--eEexXpPinfatyINF( )\t";
    std::mt19937 random(3);
    std::uniform_int_distribution<std::size_t> pick(0, kAlphabet.size() - 1);
    std::uniform_int_distribution<std::size_t> length(0, 12);
    // Multiples of 2^64 wrap a 64-bit digit accumulator to exactly 0.
    const std::vector<std::string> wrapping = {"18446744073709551616", "36893488147419103232.00",
                                               "-18446744073709551616.5", "0.18446744073709551616"};
    for (int round = 0; round < 50000 + static_cast<int>(wrapping.size()); ++round) {
        std::string text(length(random), ' ');
        if (round >= 50000) text = wrapping[round - 50000];
        for (char& c : text)
            c = kAlphabet[pick(random)];
        if (round % 7 == 0) text = std::to_string(round) + "e" + std::to_string(round % 700 - 350);
        if (round % 5 == 0) text = LongDecimal(random);
        const char* end = nullptr;
        char* expectedEnd = nullptr;
        const double value = ReadCNumber(text.c_str(), &end);
        const double expected = std::strtod(text.c_str(), &expectedEnd);
        ASSERT_EQ(end, expectedEnd) << text;
        ASSERT_EQ(std::isnan(value), std::isnan(expected)) << text;
        if (!std::isnan(expected)) {
            ASSERT_EQ(value, expected) << text;
            ASSERT_EQ(std::signbit(value), std::signbit(expected)) << text;
        }
        double plain = 0;
        if (const char* plainEnd =
                ReadPlainDecimal(text.c_str(), text.c_str() + text.size(), plain)) {
            ASSERT_EQ(plainEnd, expectedEnd) << text;
            ASSERT_EQ(plain, expected) << text;
            ASSERT_EQ(std::signbit(plain), std::signbit(expected)) << text;
        }
    }
}

} // namespace
