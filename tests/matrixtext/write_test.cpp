#include "calculator/matrix_text.h"

#include <gtest/gtest.h>

namespace {

NEWMAT::Matrix Matrix22() {
    NEWMAT::Matrix m(2, 2);
    m << 1 << 2 << 3 << 4;
    return m;
}

TEST(FormatFixed, DecimalsWidthAndLineEnds) {
    EXPECT_EQ(FormatFixed(Matrix22(), 4, 2, 10), "1.00    2.00\r\n3.00    4.00\r\n");
    EXPECT_EQ(FormatFixed(Matrix22(), 0, 0, 10), "12\r\n34\r\n");
    EXPECT_EQ(FormatFixed(Matrix22(), -3, 1, 10), "1.02.0\r\n3.04.0\r\n");
    EXPECT_EQ(FormatFixed(NEWMAT::Matrix(), 4, 2, 10), "");
    EXPECT_EQ(FormatFixed(NEWMAT::Matrix(3, 0), 4, 2, 10), "");
}

TEST(FormatFixed, OtherRadixesWriteTruncatedIntegers) {
    NEWMAT::Matrix m(1, 3);
    m << 255.9 << -1 << 8;
    EXPECT_EQ(FormatFixed(m, 1, 2, 16), "ff ffffffff 8\r\n");
    EXPECT_EQ(FormatFixed(m, 1, 2, 8), "377 37777777777 10\r\n");
    EXPECT_EQ(FormatFixed(m, 1, 2, 100), "2:55 42:94:96:72:95 8\r\n");
    EXPECT_EQ(FormatFixed(m, 1, 1, 1), "255.9 -1.0 8.0\r\n");
}

TEST(FormatExponential, ThreeExponentDigits) {
    NEWMAT::Matrix m(1, 2);
    m << 1500 << -0.00025;
    EXPECT_EQ(FormatExponential(m, 2, 3), "1.500e+003  -2.500e-004\r\n");
    EXPECT_EQ(FormatExponential(NEWMAT::Matrix(), 2, 3), "");
}

TEST(FormatComplex, PairsWithFieldWidth) {
    NEWMAT::Matrix dual(1, 4);
    dual << 1 << 3 << 2 << -4;
    EXPECT_EQ(FormatComplex(dual, 0, 2), "(1.00, 2.00)  (3.00, -4.00)  \r\n");
    EXPECT_EQ(FormatComplex(dual, 6, 1), "(   1.0,    2.0)  (   3.0,   -4.0)  \r\n");
    EXPECT_EQ(FormatComplex(dual, -5, 0), "(1    , 2    )  (3    , -4   )  \r\n");
    EXPECT_EQ(FormatComplex(NEWMAT::Matrix(), 0, 2), "");
}

} // namespace
