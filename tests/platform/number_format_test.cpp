#include "platform/number_format.h"
#include "platform/number_parse.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <random>
#include <string>

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(FormatSignificant, ChoosesFixedOrExponentLikeGcvt) {
    EXPECT_EQ(FormatSignificant(1234.5678, 7), "1234.568");
    EXPECT_EQ(FormatSignificant(100, 7), "100.");
    EXPECT_EQ(FormatSignificant(0, 7), "0.");
    EXPECT_EQ(FormatSignificant(-2.5, 7), "-2.5");
    EXPECT_EQ(FormatSignificant(0.123, 7), "0.123");
    EXPECT_EQ(FormatSignificant(0.0123, 7), "1.23e-002");
    EXPECT_EQ(FormatSignificant(1e20, 7), "1.e+020");
    EXPECT_EQ(FormatSignificant(1.5e-300, 7), "1.5e-300");
    EXPECT_EQ(FormatSignificant(-1234567890.123, 12), "-1234567890.12");
    EXPECT_EQ(FormatSignificant(-123456789012.3, 12), "-123456789012.");
    EXPECT_EQ(FormatSignificant(-1234567890123.0, 12), "-1.23456789012e+012");
    EXPECT_EQ(FormatSignificant(1.0 / 3.0, 16), "0.3333333333333333");
}

TEST(FormatSignificant, RoundingCarriesIntoTheNextDecade) {
    EXPECT_EQ(FormatSignificant(9.9999999, 7), "10.");
    EXPECT_EQ(FormatSignificant(9999999.7, 7), "1.e+007");
    EXPECT_EQ(FormatSignificant(0.099999999, 7), "0.1");
}

TEST(FormatSignificant, SeventeenDigitsReadBackExactly) {
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> mantissa(-10, 10);
    std::uniform_int_distribution<int> exponent(-300, 300);
    for (int i = 0; i < 2000; ++i) {
        const double value = mantissa(random) * std::pow(10.0, exponent(random));
        EXPECT_EQ(ParseLeadingDouble(FormatSignificant(value, 17)), value);
    }
}

TEST(FormatExponent, WritesSignAndThreeExponentDigits) {
    EXPECT_EQ(FormatExponent(1500, 3), "1.500e+003");
    EXPECT_EQ(FormatExponent(-0.5, 1), "-5.0e-001");
    EXPECT_EQ(FormatExponent(0, 2), "0.00e+000");
    EXPECT_EQ(FormatExponent(1e100, 0), "1e+100");
    EXPECT_EQ(FormatExponent(2.5e-308, 1), "2.5e-308");
    EXPECT_EQ(FormatExponent(M_PI, 16), "3.1415926535897931e+000");
}

TEST(FormatFixed, MatchesPrintfRounding) {
    EXPECT_EQ(FormatFixedDecimals(2.5, 2), "2.50");
    EXPECT_EQ(FormatFixedDecimals(0.125, 2), "0.12"); // exactly halfway: to even
    EXPECT_EQ(FormatFixedDecimals(2.675, 2), "2.67"); // binary value lies below
    EXPECT_EQ(FormatFixedDecimals(-0.004, 2), "-0.00");
    EXPECT_EQ(FormatFixedDecimals(1e20, 1), "100000000000000000000.0");
    EXPECT_EQ(FormatFixedDecimals(2.5, 0), "2");
    EXPECT_EQ(FormatFixedDecimals(3.7, -3), "4");
    EXPECT_EQ(FormatFixedDecimals(-1.7976931348623157e308, 0).size(), 310u);
    EXPECT_EQ(FormatFixedDecimals(5e-324, kMaxFormatDecimals + 50).size(), 2u + kMaxFormatDecimals);
}

TEST(FormatFixed, FieldWidthPadsOrLeftAligns) {
    EXPECT_EQ(FormatFixedField(1, 6, 2), "  1.00");
    EXPECT_EQ(FormatFixedField(-1, -7, 2), "-1.00  ");
    EXPECT_EQ(FormatFixedField(123.456, 2, 2), "123.46");
    EXPECT_EQ(FormatFixedField(1, 0, 1), "1.0");
}

TEST(FormatInteger, RadixesUpTo36LikeItoa) {
    EXPECT_EQ(FormatInteger(255, 16), "ff");
    EXPECT_EQ(FormatInteger(-1, 16), "ffffffff");
    EXPECT_EQ(FormatInteger(8, 8), "10");
    EXPECT_EQ(FormatInteger(-1, 2), std::string(32, '1'));
    EXPECT_EQ(FormatInteger(35, 36), "z");
    EXPECT_EQ(FormatInteger(0, 7), "0");
    EXPECT_EQ(FormatInteger(-42, 10), "-42");
    EXPECT_EQ(FormatInteger(std::numeric_limits<std::int32_t>::min(), 10), "-2147483648");
    EXPECT_EQ(FormatInteger(std::numeric_limits<std::int32_t>::min(), 16), "80000000");
    EXPECT_EQ(FormatInteger(12, 1), "12");
    EXPECT_EQ(FormatInteger(12, 257), "12");
}

TEST(FormatInteger, LargeRadixesWriteDecimalDigitsBetweenColons) {
    EXPECT_EQ(FormatInteger(7, 200), "7");
    EXPECT_EQ(FormatInteger(255, 100), "2:55");
    EXPECT_EQ(FormatInteger(37, 37), "1:0");
    EXPECT_EQ(FormatInteger(-1, 256), "255:255:255:255");
    EXPECT_EQ(FormatInteger(65536, 256), "1:0:0");
}

TEST(TruncateToInt32, TruncatesTowardZeroAndSaturates) {
    EXPECT_EQ(TruncateToInt32(255.9), 255);
    EXPECT_EQ(TruncateToInt32(-1.9), -1);
    EXPECT_EQ(TruncateToInt32(2147483647.5), 2147483647);
    EXPECT_EQ(TruncateToInt32(1e10), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(TruncateToInt32(-kInf), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(TruncateToInt32(kNaN), 0);
}

TEST(NonFinite, EveryFormatWritesTheSameWords) {
    EXPECT_EQ(FormatFixedDecimals(kInf, 2), "inf");
    EXPECT_EQ(FormatFixedDecimals(-kInf, 2), "-inf");
    EXPECT_EQ(FormatFixedDecimals(-kNaN, 2), "nan");
    EXPECT_EQ(FormatExponent(kNaN, 3), "nan");
    EXPECT_EQ(FormatSignificant(-kInf, 7), "-inf");
    EXPECT_EQ(FormatFixedField(kInf, 6, 2), "   inf");
}

TEST(ReadNumbers, FollowStrtodAtofAndAtoi) {
    const char* text = "  1.5e3x";
    const char* end = nullptr;
    EXPECT_EQ(ReadCNumber(text, &end), 1500);
    EXPECT_EQ(*end, 'x');
    EXPECT_EQ(ReadCNumber("-", &end), 0);
    EXPECT_EQ(ReadCNumber("1e+", &end), 1);
    EXPECT_EQ(ParseLeadingDouble("+.5"), 0.5);
    EXPECT_EQ(ParseLeadingDouble("1e999"), kInf);
    EXPECT_EQ(ParseLeadingDouble("abc"), 0);
    EXPECT_EQ(ParseLeadingInt(" -12abc"), -12);
    EXPECT_EQ(ParseLeadingInt("+"), 0);
    EXPECT_EQ(ParseLeadingInt("2147483647"), 2147483647);
    EXPECT_EQ(ParseLeadingInt("99999999999"), std::numeric_limits<int>::max());
    EXPECT_EQ(ParseLeadingInt("-99999999999"), std::numeric_limits<int>::min());
}

// The reader takes a fast path for plain decimals; it must agree with the C
// library's strtod (this test runs in the "C" locale) on every text.
TEST(ReadNumbers, AgreeWithStrtodOnRandomTexts) {
    static const std::string kAlphabet = "0123456789..++--eEexXpPinfatyINF( )\t";
    std::mt19937 random(3);
    std::uniform_int_distribution<std::size_t> pick(0, kAlphabet.size() - 1);
    std::uniform_int_distribution<std::size_t> length(0, 12);
    for (int round = 0; round < 50000; ++round) {
        std::string text(length(random), ' ');
        for (char& c : text)
            c = kAlphabet[pick(random)];
        if (round % 7 == 0) text = std::to_string(round) + "e" + std::to_string(round % 700 - 350);
        const char* end = nullptr;
        char* expectedEnd = nullptr;
        const double value = ReadCNumber(text.c_str(), &end);
        const double expected = std::strtod(text.c_str(), &expectedEnd);
        ASSERT_EQ(end, expectedEnd) << text;
        if (std::isnan(expected)) {
            ASSERT_TRUE(std::isnan(value)) << text;
        } else {
            ASSERT_EQ(value, expected) << text;
            ASSERT_EQ(std::signbit(value), std::signbit(expected)) << text;
        }
    }
}

TEST(ReadNumbers, LongRunsOfDigits) {
    const std::string digits(500, '7');
    const char* end = nullptr;
    EXPECT_EQ(ReadCNumber(digits.c_str(), &end), std::strtod(digits.c_str(), nullptr));
    EXPECT_EQ(end, digits.c_str() + digits.size());
}

} // namespace
