// Each creation through the calculator: what it asks, and that the matrix it
// makes has its defining property.

#include <gtest/gtest.h>

#include <vector>

#include "matrixlib/ztmath.h"
#include "tests/matrixlib/matrix_checks.h"
#include "tests/support/calculator_fixture.h"
#include "testscreate/matrix_creation.h"

namespace {

using CreationTest = CalculatorFixture;

// Queues the inputs (and Yes to any question), runs the creation and
// returns the new current matrix.
Matrix Create(ScriptedCalculator& calc, void (*creation)(CCalculatorDlg&),
              std::initializer_list<const char*> inputs) {
    for (const char* input : inputs)
        calc.host.QueueInput(std::string(input));
    calc.host.Improvise({[] { return true; }, nullptr});
    creation(calc.dlg);
    EXPECT_NO_THROW(calc.host.CheckNothingQueued());
    return calc.dlg.GetCurrentMatrix();
}

// Reflections and rotations on known angles are pinned by the creation
// transcript, their properties by the library's tests.
TEST_F(CreationTest, OrthogonalReflectionAndRotation) {
    // A wide current matrix is no reason to refuse: the new one is square.
    SetCurrent(1, 3, {1, 2, 3});
    const Matrix q = Create(calc, OnCreateOrthogonal, {"9"});
    ASSERT_EQ(q.Nrows(), 9);
    EXPECT_MATRIX_NEAR(q.t() * q, Eye(9), 1e-12);
}

TEST_F(CreationTest, RefusalsChangeNothing) {
    SetCurrent(2, 2, {1, 2, 3, 4});
    const std::string shown = calc.display.Text();
    // Past the allocation limit, however the sizes multiply (a plain refusal,
    // a size below one and a No to replacing are pinned by the transcript).
    for (const auto& size : std::vector<std::pair<const char*, const char*>>{
             {"65536", "65536"}, {"2147483647", "3"}}) {
        Create(calc, OnCreateUnit, {size.first, size.second});
        EXPECT_NE(TakeTranscript().find("\"Error\" \"Out of range\""), std::string::npos)
            << size.first << " x " << size.second;
    }
    Create(calc, OnCreateHermitian, {"40000"}); // 40000 x 80000 stored
    EXPECT_NE(TakeTranscript().find("\"Out of range\""), std::string::npos);
    calc.dlg.SetRealMode();

    Create(calc, OnCreateOrthogonal, {"100000"});
    EXPECT_NE(TakeTranscript().find("\"Out of range\""), std::string::npos);
    for (const char* angle : {"-1e300", "inf"}) {
        Create(calc, OnCreateRotation, {angle});
        EXPECT_NE(TakeTranscript().find("\"Angle Error\" \"Out of range\""), std::string::npos)
            << angle;
    }
    EXPECT_MATRIX_NEAR(calc.dlg.GetCurrentMatrix(), Mat({{1, 2}, {3, 4}}), 0.0);
    EXPECT_EQ(calc.display.Text(), shown);

    // A base vector whose square would not fit.
    Matrix wide(1, 50000);
    wide = 1.0;
    calc.dlg.SetCurrentMatrix(wide);
    for (auto creation : {OnCreateToeplitz, OnCreateVandermonde, OnCreateCompanion}) {
        creation(calc.dlg);
        EXPECT_NE(TakeTranscript().find("\"Error\" \"Out of range\""), std::string::npos);
        EXPECT_EQ(calc.dlg.GetCurrentMatrix().Ncols(), 50000);
    }
}

} // namespace
