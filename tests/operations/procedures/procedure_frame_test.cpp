#include <gtest/gtest.h>

#include <new>

#include "matrixlib/zt_error.h"
#include "operations/procedures/procedure_frame.h"
#include "tests/support/calculator_fixture.h"

namespace {

using ProcedureFrameTest = CalculatorFixture;

// Scales the matrix, then fails: the frame must store nothing.
template <class Failure> void RunFailing(Calculator& calculator, Failure failure) {
    RunProcedure(calculator, ComplexSupport::Supported, [&](NEWMAT::Matrix& m) -> bool {
        m = m * 10.0;
        failure(m);
        return true;
    });
}

TEST_F(ProcedureFrameTest, FailuresAreReportedAndStoreNothing) {
    SetCurrent(2, 2, {1, 2, 3, 4});
    const std::string shown = calc.display.Text();

    RunFailing(calc.core, [](NEWMAT::Matrix&) { nrerror("Matrix does not converge"); });
    EXPECT_EQ(TakeTranscript(),
              "message \"Error\" \"Matrix does not converge\" icon=stop buttons=ok -> ok\n");

    RunFailing(calc.core, [](NEWMAT::Matrix& m) { m = m * NEWMAT::Matrix(3, 3); });
    EXPECT_NE(TakeTranscript().find("message \"Error\""), std::string::npos);

    RunFailing(calc.core, [](NEWMAT::Matrix&) { throw std::bad_alloc(); });
    EXPECT_NE(TakeTranscript().find("icon=stop"), std::string::npos);

    EXPECT_EQ(calc.core.GetCurrentMatrix()(2, 2), 4.0);
    EXPECT_EQ(calc.display.Text(), shown);
}

TEST(ReportedValue, FollowsWidthDecimalsAndExponentFlag) {
    EXPECT_EQ(FormatReportedValue(1234.5, 10, 4, false), " 1234.5000");
    EXPECT_EQ(FormatReportedValue(-1234.56, 13, 3, true), "  -1.235e+003");
}

} // namespace
