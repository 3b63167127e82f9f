#include "matrixtext/matrix_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

// Expects `m` to be rows x columns holding `values` row by row.
void Expect(const NEWMAT::Matrix& m, int rows, int columns, const std::vector<double>& values) {
    ASSERT_EQ(m.Nrows(), rows);
    ASSERT_EQ(m.Ncols(), columns);
    EXPECT_EQ(std::vector<double>(m.Store(), m.Store() + m.Storage()), values);
}

NEWMAT::Matrix Rows(int rows, int columns, const std::vector<double>& values) {
    NEWMAT::Matrix m(rows, columns);
    std::copy(values.begin(), values.end(), m.Store());
    return m;
}

TEST(ParseRealExponent, TokensAreReadWholeAndRowsEndAtLineBreaks) {
    Expect(ParseRealExponent("1.500e+003 1e-23 1e23 e"), 1, 4, {1500, 1e-23, 1e23, 0});
    // Blank lines end no row; blanks after a row's last number do not hide its
    // end, nor at the end of the text, without a line break.
    Expect(ParseRealExponent("1e0 2\n\n3 4\n"), 2, 2, {1, 2, 3, 4});
    Expect(ParseRealExponent("1e3 2 \r\n3 4 \r\n"), 2, 2, {1000, 2, 3, 4});
    Expect(ParseRealExponent("1e3 2 "), 1, 2, {1000, 2});
    Expect(ParseRealExponent("1e3 2\n3 4\t \t"), 2, 2, {1000, 2, 3, 4});
    Expect(ParseRealExponent(" \r\n \n"), 0, 0, {});
}

// Unbalanced texts, which SE refuses, still give a matrix.
TEST(ParseComplex, UnbalancedTexts) {
    Expect(ParseComplex(")1, 2("), 1, 4, {1, 2, 0, 0});
    Expect(ParseComplex("(1, 2"), 1, 2, {1, 2});
}

// Radix 10 is compared byte for byte with the previous writer; other radixes,
// two decimals and the default complex width are on show in the transcripts.
TEST(FormatMatrix, EmptyMatricesExponentsAndComplexWidths) {
    EXPECT_EQ(FormatFixed(NEWMAT::Matrix(3, 0), 4, 2, 10), "");
    // Wide separators; exponents of one, two and three digits.
    NEWMAT::Matrix scaled(1, 3);
    scaled << 1.5e-5 << -2.5e42 << 1e-300;
    EXPECT_EQ(FormatExponential(scaled, 10, 1),
              "1.5e-005          -2.5e+042          1.0e-300\r\n");

    NEWMAT::Matrix dual(1, 4);
    dual << 1 << 3 << 2 << -4;
    EXPECT_EQ(FormatComplex(dual, 6, 1), "(   1.0,    2.0)  (   3.0,   -4.0)  \r\n");
    EXPECT_EQ(FormatComplex(dual, -5, 0), "(1    , 2    )  (3    , -4   )  \r\n");
    EXPECT_EQ(FormatComplex(NEWMAT::Matrix(), 0, 2), "");
}

} // namespace

TEST(AlignedColumns, NumbersLineUpRightAlignedAndReadBack) {
    const std::vector<double> values{-1, 10.5, 3, 100, 2, -0.25};
    const NEWMAT::Matrix m = Rows(2, 3, values);
    EXPECT_EQ(FormatFixed(m, 4, 2, 10, ColumnLayout::Aligned), " -1.00    10.50     3.00\r\n"
                                                               "100.00     2.00    -0.25\r\n");
    Expect(ParseReal(FormatFixed(m, 4, 2, 10, ColumnLayout::Aligned)), 2, 3, values);
    // Width 0 still keeps one blank, so the numbers stay apart.
    Expect(ParseReal(FormatFixed(m, 0, 2, 10, ColumnLayout::Aligned)), 2, 3, values);
    EXPECT_EQ(FormatFixed(m, 1, 0, 16, ColumnLayout::Aligned), "ffffffff a 3\r\n"
                                                               "      64 2 0\r\n");

    const NEWMAT::Matrix wide = Rows(2, 2, {1e-300, 2, -5, 1e300});
    const std::string exponential = FormatExponential(wide, 2, 3, ColumnLayout::Aligned);
    EXPECT_EQ(exponential, " 1.000e-300  2.000e+000\r\n"
                           "-5.000e+000  1.000e+300\r\n");
    Expect(ParseRealExponent(exponential), 2, 2, {1e-300, 2, -5, 1e300});
}

TEST(AlignedColumns, ComplexPairsLineUpPartByPart) {
    // [-1 + 2i, 10 - 3i; 100, 1 + 4i] in dual layout.
    const std::vector<double> dual{-1, 10, 2, -3, 100, 1, 0, 4};
    const NEWMAT::Matrix m = Rows(2, 4, dual);
    const std::string text = FormatComplex(m, 0, 1, ColumnLayout::Aligned);
    EXPECT_EQ(text, "( -1.0, 2.0)  (10.0, -3.0)  \r\n"
                    "(100.0, 0.0)  ( 1.0,  4.0)  \r\n");
    Expect(ParseComplex(text), 2, 4, dual);
    EXPECT_EQ(FormatComplex(NEWMAT::Matrix(), 0, 1, ColumnLayout::Aligned), "");
}
