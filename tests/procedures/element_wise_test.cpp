#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <new>

#include "matrixlib/zt_error.h"
#include "procedures/element_wise.h"
#include "procedures/procedure_frame.h"
#include "tests/commands/calculator_fixture.h"

namespace {

using ElementWiseTest = CalculatorFixture;

double At(ScriptedCalculator& calc, int row, int column) {
    return calc.dlg.GetCurrentMatrix()(row, column);
}

TEST_F(ElementWiseTest, Exp10RaisesTenToTheElement) {
    SetCurrent(1, 3, {2, -1, 0.5});
    OnElementExp10(calc.dlg);
    EXPECT_EQ(At(calc, 1, 1), 100.0);
    EXPECT_DOUBLE_EQ(At(calc, 1, 2), 0.1);
    EXPECT_DOUBLE_EQ(At(calc, 1, 3), std::sqrt(10.0));
}

TEST_F(ElementWiseTest, LogTransformsEveryElementZeroGivesMinusInfinity) {
    SetCurrent(2, 3, {1, 0, 2.718281828459045, 0.1, 1, 0});
    OnElementLog(calc.dlg);
    EXPECT_EQ(At(calc, 1, 1), 0.0);
    EXPECT_EQ(At(calc, 1, 2), -std::numeric_limits<double>::infinity());
    EXPECT_DOUBLE_EQ(At(calc, 1, 3), 1.0);
    EXPECT_DOUBLE_EQ(At(calc, 2, 1), -2.302585092994046);
    EXPECT_EQ(At(calc, 2, 3), -std::numeric_limits<double>::infinity());

    SetCurrent(1, 3, {100, 0, -1});
    OnElementLog10(calc.dlg);
    EXPECT_DOUBLE_EQ(At(calc, 1, 1), 2.0);
    EXPECT_TRUE(std::isinf(At(calc, 1, 2)));
    EXPECT_TRUE(std::isnan(At(calc, 1, 3)));
    EXPECT_EQ(TakeTranscript(), "");
}

TEST_F(ElementWiseTest, ReciprocalOfZeroStoresNothing) {
    SetCurrent(2, 2, {2, 4, 0, 8});
    const std::string shown = calc.display.Text();
    OnElementReciprocal(calc.dlg);
    EXPECT_EQ(TakeTranscript(), "message \"Reciprocal Error\" \"Attempt to divide by zero\" "
                                "icon=stop buttons=ok -> ok\n");
    EXPECT_EQ(At(calc, 1, 1), 2.0);
    EXPECT_EQ(calc.display.Text(), shown);

    SetCurrent(1, 2, {4, -0.5});
    OnElementReciprocal(calc.dlg);
    EXPECT_EQ(At(calc, 1, 1), 0.25);
    EXPECT_EQ(At(calc, 1, 2), -2.0);
}

TEST_F(ElementWiseTest, IntegerTruncatesTowardZeroAndDropsTheDecimals) {
    SetCurrent(2, 2, {2.7, -2.7, 0.5, -0.5});
    OnElementInteger(calc.dlg);
    EXPECT_EQ(At(calc, 1, 1), 2.0);
    EXPECT_EQ(At(calc, 1, 2), -2.0);
    EXPECT_FALSE(std::signbit(At(calc, 2, 2)));
    EXPECT_EQ(calc.dlg.Decimals(), 0);
    EXPECT_EQ(calc.display.Text().find('.'), std::string::npos);
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

TEST_F(ElementWiseTest, DegreesAndRadiansRoundTrip) {
    SetCurrent(1, 3, {1, -2.5, 1e-3});
    OnElementToDegrees(calc.dlg);
    EXPECT_DOUBLE_EQ(At(calc, 1, 1), 57.295779513082323);
    OnElementToRadians(calc.dlg);
    EXPECT_DOUBLE_EQ(At(calc, 1, 1), 1.0);
    EXPECT_DOUBLE_EQ(At(calc, 1, 2), -2.5);
    EXPECT_DOUBLE_EQ(At(calc, 1, 3), 1e-3);
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
}

TEST_F(ElementWiseTest, ComplexModeTransformsRealAndImaginaryPartsApart) {
    calc.dlg.SetComplexMode();
    SetCurrent(1, 2, {3, 4});
    OnElementNegative(calc.dlg);
    EXPECT_EQ(At(calc, 1, 1), -3.0);
    EXPECT_EQ(At(calc, 1, 2), -4.0);
    OnElementAbsolute(calc.dlg);
    EXPECT_EQ(At(calc, 1, 2), 4.0);

    SetCurrent(1, 2, {-4, 0});
    OnElementSquareRoot(calc.dlg);
    EXPECT_TRUE(std::isnan(At(calc, 1, 1)));
    EXPECT_EQ(At(calc, 1, 2), 0.0);
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

TEST_F(ElementWiseTest, ExpOverflowGivesInfinityWithoutMessage) {
    SetCurrent(1, 2, {1000, 0});
    OnElementExp(calc.dlg);
    EXPECT_TRUE(std::isinf(At(calc, 1, 1)));
    EXPECT_EQ(At(calc, 1, 2), 1.0);
    EXPECT_EQ(TakeTranscript(), "");
}

} // namespace
