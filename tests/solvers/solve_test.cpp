#include <gtest/gtest.h>
#include <newmat.h>

#include <cmath>
#include <filesystem>
#include <sstream>

#include "archive/matrix_file.h"
#include "matrixlib/ztmath.h"
#include "scripting/scripted_calculator.h"
#include "solvers/solve_command.h"

namespace {

using NEWMAT::Matrix;

double Norm(const Matrix& m) {
    return std::sqrt(m.SumSquare());
}

// A random system whose A is made well-conditioned by a dominant diagonal.
void RandomSystem(int seed, int n, int columns, Matrix& A, Matrix& B) {
    A = Random(&seed, n, n, -1.0, 1.0);
    for (int i = 1; i <= n; ++i)
        A(i, i) += n;
    B = Random(&seed, n, columns, -10.0, 10.0);
}

Matrix Hilbert(int n) {
    Matrix h(n, n);
    for (int i = 1; i <= n; ++i)
        for (int j = 1; j <= n; ++j)
            h(i, j) = 1.0 / (i + j - 1);
    return h;
}

// A calculator in a scratch folder of its own, for the register files.
class SolveCommand : public ::testing::Test {
  protected:
    void SetUp() override {
        previous_ = std::filesystem::current_path();
        folder_ = std::filesystem::temp_directory_path() /
                  ("zt-solve-" + std::string(::testing::UnitTest::GetInstance()
                                                 ->current_test_info()
                                                 ->name()));
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_);
        std::filesystem::current_path(folder_);
    }
    void TearDown() override {
        std::filesystem::current_path(previous_);
        std::filesystem::remove_all(folder_);
    }

    std::ostringstream transcript;
    ScriptedCalculator calc{transcript};

  private:
    std::filesystem::path previous_;
    std::filesystem::path folder_;
};

} // namespace

TEST(LinearSolvers, BothMethodsLeaveSmallResidualsAndAgree) {
    for (const int n : {1, 2, 7, 60, 250, 500}) {
        for (const int columns : {1, 5}) {
            Matrix A, B;
            RandomSystem(n * 10 + columns, n, columns, A, B);
            Matrix gauss = B;
            Matrix lu = B;
            GetGaussJSolVec(A, gauss);
            GetLuSolVec(A, lu);
            for (const Matrix* X : {&gauss, &lu})
                EXPECT_LT(Norm(A * *X - B), 1e-12 * Norm(A) * Norm(*X)) << n << " x " << columns;
            EXPECT_LT(Norm(gauss - lu), 1e-12 * Norm(lu)) << n;
        }
    }
}

TEST(LinearSolvers, HilbertSystemsToTheAccuracyTheirConditionAllows) {
    for (int n = 2; n <= 10; ++n) {
        const Matrix H = Hilbert(n);
        Matrix ones(n, 1);
        ones = 1.0;
        const double condition = Condition(H);
        for (const bool gauss : {true, false}) {
            Matrix x = H * ones;
            gauss ? GetGaussJSolVec(H, x) : GetLuSolVec(H, x);
            EXPECT_LT(Norm(x - ones) / Norm(ones), 50 * n * 2.2e-16 * condition)
                << "order " << n << (gauss ? " Gauss-Jordan" : " LU");
        }
    }
}

TEST(LinearSolvers, SingularMatricesAreRefusedByBothMethods) {
    const double rows[][3] = {{0.1, 0.2, 0.3}, {0.4, 0.5, 0.6}, {0.1, 0.2, 0.3}};
    Matrix repeated(3, 3);
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            repeated(i + 1, j + 1) = rows[i][j];
    Matrix dependent = repeated;
    dependent(3, 1) = 0.7, dependent(3, 2) = 0.8, dependent(3, 3) = 0.9; // row 3 = 2 row 2 - row 1
    Matrix notFinite = Hilbert(3);
    notFinite(2, 2) = NAN;
    for (const Matrix* A : {&repeated, &dependent, &notFinite}) {
        Matrix b(3, 1);
        b = 1.0;
        EXPECT_THROW(GetGaussJSolVec(*A, b), ztmath::MathError);
        EXPECT_THROW(GetLuSolVec(*A, b), ztmath::MathError);
    }
}

TEST_F(SolveCommand, StoresSolutionAndCheckProduct) {
    Matrix A, B;
    RandomSystem(7, 4, 3, A, B);
    SaveMatrixFile(A, "RegA");
    SaveMatrixFile(B, "RegB");
    for (const SolveMethod method : {SolveMethod::GaussJordan, SolveMethod::Lu}) {
        calc.host.QueueSolveMethod(method);
        OnSolveLinearSystem(calc.dlg);
        const Matrix X = LoadMatrixFile("RegC");
        const Matrix D = LoadMatrixFile("RegD");
        ASSERT_EQ(X.Ncols(), 3);
        EXPECT_LT(Norm(D - B), 1e-12 * Norm(B));
        EXPECT_EQ(Norm(calc.dlg.GetCurrentMatrix() - X), 0.0);
        EXPECT_EQ(Norm(LoadMatrixFile("RegA") - A), 0.0);
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
