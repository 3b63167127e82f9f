#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "procedures/element_wise.h"
#include "tests/commands/calculator_fixture.h"

namespace {

using ElementWiseTest = CalculatorFixture;

double At(ScriptedCalculator& calc, int row, int column) {
    return calc.dlg.GetCurrentMatrix()(row, column);
}

TEST_F(ElementWiseTest, Log10OfZeroAndNegativeElements) {
    SetCurrent(1, 4, {100, 0, -1, 5});
    OnElementLog10(calc.dlg);
    EXPECT_DOUBLE_EQ(At(calc, 1, 1), 2.0);
    EXPECT_EQ(At(calc, 1, 2), -std::numeric_limits<double>::infinity());
    EXPECT_TRUE(std::isnan(At(calc, 1, 3)));
    EXPECT_DOUBLE_EQ(At(calc, 1, 4), std::log10(5.0)); // the zero did not end the row
    EXPECT_EQ(TakeTranscript(), "");
}

TEST(IntegerPart, OutOfIntRangeKeepsTheIntegerPart) {
    EXPECT_EQ(IntegerPart(3e9 + 0.5), 3e9);
    EXPECT_EQ(IntegerPart(-2147483648.75), -2147483648.0);
    EXPECT_EQ(IntegerPart(2147483647.9), 2147483647.0);
    EXPECT_EQ(IntegerPart(1e300), 1e300);
    EXPECT_EQ(IntegerPart(-std::numeric_limits<double>::infinity()),
              -std::numeric_limits<double>::infinity());
    EXPECT_TRUE(std::isnan(IntegerPart(std::nan(""))));
    EXPECT_FALSE(std::signbit(IntegerPart(-0.0)));
}

TEST_F(ElementWiseTest, TrigonometryAndItsInverses) {
    SetCurrent(1, 3, {0.5, -1, 2});
    OnElementArcsin(calc.dlg);
    EXPECT_DOUBLE_EQ(At(calc, 1, 1), std::asin(0.5));
    EXPECT_DOUBLE_EQ(At(calc, 1, 2), -2 * std::atan(1.0));
    EXPECT_TRUE(std::isnan(At(calc, 1, 3)));

    SetCurrent(1, 2, {0.3, -0.7});
    OnElementTan(calc.dlg);
    OnElementArctan(calc.dlg);
    EXPECT_DOUBLE_EQ(At(calc, 1, 1), 0.3);
    EXPECT_DOUBLE_EQ(At(calc, 1, 2), -0.7);
    OnElementCos(calc.dlg);
    OnElementArccos(calc.dlg);
    EXPECT_DOUBLE_EQ(At(calc, 1, 2), 0.7);

    SetCurrent(1, 2, {1000, 0});
    OnElementExp(calc.dlg);
    EXPECT_TRUE(std::isinf(At(calc, 1, 1)));
    EXPECT_EQ(At(calc, 1, 2), 1.0);
    EXPECT_EQ(TakeTranscript(), "");
}

TEST_F(ElementWiseTest, WithoutCurrentMatrixNothingHappens) {
    for (auto procedure :
         {OnElementSin, OnElementReciprocal, OnElementInteger, OnElementLog, OnElementToDegrees}) {
        procedure(calc.dlg);
        EXPECT_FALSE(calc.dlg.HasCurrentMatrix());
    }
    EXPECT_EQ(calc.dlg.Decimals(), 2);
    EXPECT_EQ(TakeTranscript(), "");
}

} // namespace
