#include "calculator/matrix_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace {

NEWMAT::Matrix RandomMatrix(std::mt19937_64& random, int rows, int columns, double scale) {
    std::uniform_real_distribution<double> mantissa(-1, 1);
    std::uniform_int_distribution<int> exponent(-3, 3);
    NEWMAT::Matrix m(rows, columns);
    for (int i = 0; i < rows * columns; ++i)
        m.Store()[i] = mantissa(random) * scale * std::pow(10.0, exponent(random));
    return m;
}

void ExpectWithin(const NEWMAT::Matrix& back, const NEWMAT::Matrix& m, double absolute,
                  double relative) {
    ASSERT_EQ(back.Nrows(), m.Nrows());
    ASSERT_EQ(back.Ncols(), m.Ncols());
    for (int i = 0; i < m.Storage(); ++i) {
        const double x = m.Store()[i];
        EXPECT_NEAR(back.Store()[i], x, absolute + relative * std::fabs(x)) << "element " << i;
    }
}

// Whatever a writer writes, its reader reads back to the written precision:
// half a unit of the last decimal written.
TEST(RoundTrip, FixedFormatThroughThePlainReader) {
    for (unsigned seed = 1; seed <= 3; ++seed) {
        std::mt19937_64 random(seed);
        for (int decimals : {0, 2, 6}) {
            const NEWMAT::Matrix m = RandomMatrix(random, 1 + seed * 3, 2 + seed, 100);
            const std::string text = FormatFixed(m, static_cast<int>(seed), decimals, 10);
            ASSERT_EQ(ValidateEntryText(text, false), kEntryValid);
            ExpectWithin(ParseReal(text), m, 0.5000001 * std::pow(10.0, -decimals), 1e-15);
        }
    }
}

TEST(RoundTrip, ExponentialFormatThroughTheExponentReader) {
    for (unsigned seed = 1; seed <= 3; ++seed) {
        std::mt19937_64 random(seed);
        for (int decimals : {0, 3, 15}) {
            const NEWMAT::Matrix m = RandomMatrix(random, 2 + seed, 4, 1e150);
            const std::string text = FormatExponential(m, 4, decimals);
            ASSERT_EQ(ValidateEntryText(text, false), kEntryValid);
            ExpectWithin(ParseRealExponent(text), m, 0, 0.5000001 * std::pow(10.0, -decimals));
        }
    }
    NEWMAT::Matrix tiny(1, 2);
    tiny << 1e-300 << 4.9e-324;
    ExpectWithin(ParseRealExponent(FormatExponential(tiny, 1, 16)), tiny, 0, 1e-16);
}

TEST(RoundTrip, ComplexFormatThroughTheComplexReader) {
    for (unsigned seed = 1; seed <= 3; ++seed) {
        std::mt19937_64 random(seed);
        for (int fieldWidth : {-8, 0, 9}) {
            const NEWMAT::Matrix dual = RandomMatrix(random, 3, 2 * static_cast<int>(seed), 10);
            const std::string text = FormatComplex(dual, fieldWidth, 4);
            ASSERT_EQ(ValidateEntryText(text, true), kEntryValid);
            ExpectWithin(ParseComplex(text), dual, 0.5000001e-4, 1e-15);
        }
    }
}

TEST(RoundTrip, SeventeenDecimalsAreExact) {
    std::mt19937_64 random(5);
    const NEWMAT::Matrix m = RandomMatrix(random, 4, 4, 1);
    ExpectWithin(ParseRealExponent(FormatExponential(m, 1, 16)), m, 0, 0);
}

} // namespace
