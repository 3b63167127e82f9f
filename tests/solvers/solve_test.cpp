#include <gtest/gtest.h>
#include <newmat.h>

#include <cmath>

#include "archive/matrix_file.h"
#include "matrixlib/ztmath.h"
#include "solvers/solve_command.h"
#include "tests/support/calculator_fixture.h"

namespace {

using NEWMAT::Matrix;

class SolveCommand : public CalculatorFixture {};

} // namespace

TEST(LinearSolvers, SingularMatricesAreRefusedByBothMethods) {
    Matrix repeated(3, 3), dependent(3, 3);
    repeated << 0.1 << 0.2 << 0.3 << 0.4 << 0.5 << 0.6 << 0.1 << 0.2 << 0.3;
    dependent << 0.1 << 0.2 << 0.3 << 0.4 << 0.5 << 0.6 << 0.7 << 0.8 << 0.9; // 2 row 2 - row 1
    Matrix notFinite = Hilbert(3, 3);
    notFinite(2, 2) = NAN;
    for (const Matrix* A : {&repeated, &dependent, &notFinite}) {
        Matrix b(3, 1);
        b = 1.0;
        EXPECT_THROW(GetGaussJSolVec(*A, b), ztmath::MathError);
        EXPECT_THROW(GetLuSolVec(*A, b), ztmath::MathError);
    }
}

TEST_F(SolveCommand, SingularSystemLeavesRegistersCAndD) {
    Matrix A(2, 2);
    A << 1 << 2 << 2 << 4;
    Matrix b(2, 1);
    b << 1 << 1;
    Matrix old(1, 1);
    old = 42;
    SaveMatrixFile(A, "RegA");
    SaveMatrixFile(b, "RegB");
    SaveMatrixFile(old, "RegC");
    SaveMatrixFile(old, "RegD");
    calc.host.QueueAnswer(ScriptedHost::Answer::Ok);
    calc.host.QueueSolveMethod(SolveMethod::Lu);
    OnSolveLinearSystem(calc.dlg);
    EXPECT_NE(transcript.str().find("\"Solve Ax = b Error\" \"Singular Matrix\" icon=stop"),
              std::string::npos);
    EXPECT_EQ(LoadMatrixFile("RegC")(1, 1), 42);
    EXPECT_EQ(LoadMatrixFile("RegD")(1, 1), 42);
}
