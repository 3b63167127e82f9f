// What each test of the MATRIX TESTS group answers, on both sides of its
// criterion and without a matrix, is pinned by the matrix_tests transcript;
// here where the focus goes.

#include <gtest/gtest.h>

#include "calculator/control_ids.h"
#include "commands/command_groups.h"
#include "tests/support/calculator_fixture.h"
#include "operations/properties_creation/matrix_tests.h"

namespace {

using EmptyMatrixTest = CalculatorFixture;

TEST_F(EmptyMatrixTest, ATestWithoutAMatrixReturnsTheFocusToTheDisplay) {
    calc.host.SetFocusTo(IDC_OPTIONS_CAPTION);
    FindCommandOperation("Orthogonal")(calc.core);
    EXPECT_EQ(TakeTranscript(), "");
    EXPECT_EQ(calc.host.Focus(), IDC_DISPLAY);
}

} // namespace
