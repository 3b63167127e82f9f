#include "calculator/matrix_text.h"
#include "matrix_expect.h"

#include <gtest/gtest.h>

namespace {

TEST(ParseReal, RowsComeFromLinesAndValuesPourRowByRow) {
    ExpectMatrix(ParseReal("1 2 3\n4 5"), 2, 2, {1, 2, 3, 4});
    ExpectMatrix(ParseReal("1 2\n\n3 4"), 3, 1, {1, 2, 3});
    ExpectMatrix(ParseReal("1    -2.5\r\n+3 .5\r\n"), 2, 2, {1, -2.5, 3, 0.5});
    ExpectMatrix(ParseReal("  7\n"), 1, 1, {7});
    ExpectMatrix(ParseReal("1 2\n3 4\n\n"), 3, 1, {1, 2, 3});
}

TEST(ParseReal, TextsWithoutNumbers) {
    ExpectMatrix(ParseReal(""), 0, 0, {});
    ExpectMatrix(ParseReal("  \n \n"), 2, 0, {});
    ExpectMatrix(ParseReal("\n"), 1, 0, {});
    ExpectMatrix(ParseReal("- . 5"), 1, 3, {0, 0, 5});
}

TEST(ParseRealExponent, ReadsEveryTokenWhole) {
    ExpectMatrix(ParseRealExponent("1.500e+003"), 1, 1, {1500});
    // Exponents of any length, in the middle of a row or at its end.
    ExpectMatrix(ParseRealExponent("1e+5 2\r\n3 4E-2\r\n"), 2, 2, {1e5, 2, 3, 0.04});
    ExpectMatrix(ParseRealExponent("1e-23 1e23"), 1, 2, {1e-23, 1e23});
    ExpectMatrix(ParseRealExponent("-2.5e-001 e 1e"), 1, 3, {-0.25, 0, 1});
}

TEST(ParseRealExponent, RowsEndAtLineBreaks) {
    ExpectMatrix(ParseRealExponent("1 2 3\n4 5"), 2, 2, {1, 2, 3, 4});
    // A blank line ends no row of its own.
    ExpectMatrix(ParseRealExponent("1e0 2\n\n3 4\n"), 2, 2, {1, 2, 3, 4});
    // Blanks after the last number of a line still end the row.
    ExpectMatrix(ParseRealExponent("1e3 2 \r\n3 4 \r\n"), 2, 2, {1000, 2, 3, 4});
    ExpectMatrix(ParseRealExponent(" \r\n \n"), 0, 0, {});
}

TEST(ParseComplex, PairsBecomeTheDualLayout) {
    ExpectMatrix(ParseComplex("(1, 2) (3, 4)"), 1, 4, {1, 3, 2, 4});
    ExpectMatrix(ParseComplex("(1.00, -2.00)  \r\n(3.00, 4.00)  \r\n"), 2, 2, {1, -2, 3, 4});
    ExpectMatrix(ParseComplex("(1,2)(3,4)(5,6)\n(7,8)"), 2, 4, {1, 3, 2, 4, 5, 7, 6, 8});
    ExpectMatrix(ParseComplex(""), 0, 0, {});
}

TEST(ParseComplex, ExponentsAndLoneNumbers) {
    ExpectMatrix(ParseComplex("(1e+003, 2)"), 1, 2, {1000, 2});
    ExpectMatrix(ParseComplex("(2.5E-1,-1e1)"), 1, 2, {0.25, -10});
    // A number outside a pair is a real element.
    ExpectMatrix(ParseComplex("5 (1, 2)"), 1, 4, {5, 1, 0, 2});
    ExpectMatrix(ParseComplex("1\n2\n3"), 3, 2, {1, 0, 2, 0, 3, 0});
    ExpectMatrix(ParseComplex("(7)"), 1, 2, {7, 0});
    // Unbalanced texts still give a matrix.
    ExpectMatrix(ParseComplex(")1, 2("), 1, 4, {1, 2, 0, 0});
    ExpectMatrix(ParseComplex("(1, 2"), 1, 2, {1, 2});
}

} // namespace
