#include "matrixtext/matrix_text.h"

#include <gtest/gtest.h>

#include <chrono>
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

// Half a unit of the last decimal written, absolute or relative.
void ExpectWithin(const NEWMAT::Matrix& back, const NEWMAT::Matrix& m, double absolute,
                  double relative) {
    ASSERT_EQ(back.Nrows(), m.Nrows());
    ASSERT_EQ(back.Ncols(), m.Ncols());
    for (int i = 0; i < m.Storage(); ++i) {
        const double x = m.Store()[i];
        EXPECT_NEAR(back.Store()[i], x, absolute + relative * std::fabs(x)) << "element " << i;
    }
}

TEST(RoundTrip, EveryWriterReadsBackAtItsPrecision) {
    for (unsigned seed = 1; seed <= 3; ++seed) {
        std::mt19937_64 random(seed);
        const int width = static_cast<int>(seed);
        for (int decimals : {0, 3, 15}) {
            const double half = 0.5000001 * std::pow(10.0, -decimals);
            const NEWMAT::Matrix m = RandomMatrix(random, 1 + width * 3, 2 + width, 100);
            const std::string fixed = FormatFixed(m, width, decimals, 10);
            ASSERT_EQ(ValidateEntryText(fixed, false), kEntryValid);
            ExpectWithin(ParseReal(fixed), m, half, 1e-15);

            const NEWMAT::Matrix big = RandomMatrix(random, 2 + width, 4, 1e150);
            const std::string exponential = FormatExponential(big, width, decimals);
            ASSERT_EQ(ValidateEntryText(exponential, false), kEntryValid);
            ExpectWithin(ParseRealExponent(exponential), big, 0, half);

            const NEWMAT::Matrix dual = RandomMatrix(random, 3, 2 * width, 10);
            const std::string complex = FormatComplex(dual, 6 * width - 12, decimals);
            ASSERT_EQ(ValidateEntryText(complex, true), kEntryValid);
            ExpectWithin(ParseComplex(complex), dual, half, 1e-15);
        }
    }
}

// Texts that would make a reader rescan what it has passed: read in linear
// time they take milliseconds, read quadratically many minutes.
TEST(Robustness, PathologicalTextsReadInLinearTime) {
    const std::size_t n = 200000;
    const auto start = std::chrono::steady_clock::now();
    for (const char* piece : {"1e", "1-", "99", "(", ")", "1.", "e", "0x1", " ", "\n", "1,",
                              "(1, 2) ", "nan(", "1e+5 "}) {
        std::string text;
        for (std::size_t i = 0; i < n; ++i)
            text += piece;
        ValidateEntryText(text, true);
        ParseReal(text);
        ParseRealExponent(text);
        ParseComplex(text);
    }
    EXPECT_LT(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(), 10);
}

} // namespace
