#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "commands/command_dispatch.h"
#include "procedures/element_wise.h"
#include "tests/support/calculator_fixture.h"

namespace {

using ElementWiseTest = CalculatorFixture;

double At(ScriptedCalculator& calc, int row, int column) {
    return calc.dlg.GetCurrentMatrix()(row, column);
}

// Each Element row of the Procedures group, picked as the user picks it,
// gives known values: a row wired to the wrong function shows here.
TEST_F(ElementWiseTest, EveryElementRowRunsItsFunction) {
    const struct {
        const char* row;
        double x;
        double expected;
    } cases[] = {
        {"Element:Sin", 0.5, 0.479425538604203},
        {"Element:Cos", 0.5, 0.8775825618903728},
        {"Element:Tan", 0.5, 0.5463024898437905},
        {"Element:Arcsin", 0.5, 0.5235987755982989},
        {"Element:Arccos", 0.5, 1.0471975511965979},
        {"Element:Arctan", 1, 0.7853981633974483},
        {"Element:Exp", 2, 7.38905609893065},
        {"Element:Log10", 1000, 3},
        {"Element:Absolute", -1.5, 1.5},
        {"Integer", 2.75, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.row);
        SetCurrent(1, 1, {c.x});
        ShowCommandList(calc.dlg, Procedures);
        calc.Pick(c.row);
        EXPECT_NEAR(At(calc, 1, 1), c.expected, 1e-14 * std::fabs(c.expected));
    }
    EXPECT_EQ(TakeTranscript(), "");
}

TEST_F(ElementWiseTest, OutsideTheDomainGivesNotANumberForThatElementOnly) {
    SetCurrent(1, 4, {100, 0, -1, 5});
    OnElementLog10(calc.dlg);
    EXPECT_DOUBLE_EQ(At(calc, 1, 1), 2.0);
    EXPECT_EQ(At(calc, 1, 2), -std::numeric_limits<double>::infinity());
    EXPECT_TRUE(std::isnan(At(calc, 1, 3)));
    EXPECT_DOUBLE_EQ(At(calc, 1, 4), std::log10(5.0)); // the zero did not end the row

    SetCurrent(1, 3, {2, -1, 0.5});
    OnElementArcsin(calc.dlg);
    EXPECT_TRUE(std::isnan(At(calc, 1, 1)));
    EXPECT_NEAR(At(calc, 1, 2), -1.5707963267948966, 1e-15);
    EXPECT_NEAR(At(calc, 1, 3), 0.5235987755982989, 1e-15);

    SetCurrent(1, 2, {1000, 0});
    OnElementExp(calc.dlg);
    EXPECT_TRUE(std::isinf(At(calc, 1, 1)));
    EXPECT_EQ(At(calc, 1, 2), 1.0);
    EXPECT_EQ(TakeTranscript(), "");
}

} // namespace
