#include "eval_test_support.h"

#include "evaluator/evaluator_variables.h"
#include "evaluator/expression_parser.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>
#include <vector>

using NEWMAT::Matrix;

namespace {

using Codes = std::vector<EvalError>;

Matrix Identity(int n) {
    Matrix I(n, n);
    I = 0.0;
    for (int i = 1; i <= n; ++i)
        I(i, i) = 1.0;
    return I;
}

double MaxDifference(const Matrix& A, const Matrix& B) {
    if (A.Nrows() != B.Nrows() || A.Ncols() != B.Ncols()) return INFINITY;
    double largest = 0.0;
    for (int r = 1; r <= A.Nrows(); ++r) {
        for (int c = 1; c <= A.Ncols(); ++c)
            largest = std::fmax(largest, std::fabs(A(r, c) - B(r, c)));
    }
    return largest;
}

class Evaluation : public ::testing::Test {
  protected:
    void SetUp() override {
        WriteRegister(m_folder / "RegA", 2, 2, {1, 2, 3, 4});
        WriteRegister(m_folder / "RegD", 3, 3, {2, 0, 1, 1, 3, 0, 0, 1, 4});
        WriteRegister(m_folder / "RegS", 2, 2, {1, 2, 2, 4});
        m_variables.LoadAll();
        m_result = -1.0;
    }

    const Matrix& Eval(const std::string& line) {
        m_errors = m_parser.EvaluateLine(line, m_result);
        return m_result;
    }

    double Scalar(const std::string& line) {
        Eval(line);
        EXPECT_EQ(m_result.Nrows() * m_result.Ncols(), 1) << line;
        return m_result(1, 1);
    }

    Matrix Var(const std::string& name) { return m_variables.GetMatrixVar(name); }

    ScratchFolder m_folder;
    CEvaluatorVariables m_variables{m_folder.Path()};
    std::ostringstream m_calls;
    CExpressionParser m_parser{m_variables, m_calls};
    Matrix m_result{1, 1};
    Codes m_errors;
};

} // namespace

TEST_F(Evaluation, InversesPowersAndAdjugatesAgree) {
    const Matrix D = Var("D");
    EXPECT_LT(MaxDifference(Eval("inv(D) * D"), Identity(3)), 1e-14);
    EXPECT_LT(MaxDifference(Eval("D / D"), Identity(3)), 1e-14);
    EXPECT_LT(MaxDifference(Eval("D ^ -2 * D * D"), Identity(3)), 1e-13);
    EXPECT_EQ(MaxDifference(Eval("D ^ 0"), Identity(3)), 0.0);
    EXPECT_LT(MaxDifference(Eval("D ^ 5"), D * D * D * D * D), 1e-10);
    EXPECT_NEAR(Scalar("det(D)"), 25.0, 1e-12);
    EXPECT_LT(MaxDifference(Eval("adj(D) * D"), Identity(3) * 25.0), 1e-12);
    EXPECT_NEAR(Scalar("det(D ^ 3) - det(D) ^ 3"), 0.0, 1e-9);
    EXPECT_NEAR(Scalar("norm(A) ^ 2 - trace(trans(A) * A)"), 0.0, 1e-12);
    EXPECT_NEAR(Scalar("2 ^ 0.5 ^ 2"), std::pow(2.0, 0.25), 1e-15);
    EXPECT_NEAR(Scalar("arcos(0) * 2 - arctan(1) * 4"), 0.0, 1e-15);
    EXPECT_NEAR(Scalar("log(1000) + ln(exp(2)) + deg(rad(30))"), 35.0, 1e-12);
    EXPECT_TRUE(m_errors.empty());
}

TEST_F(Evaluation, LuFactorsReproduceTheRowsOfTheMatrix) {
    const Matrix D = Var("D");
    const Matrix L = Eval("lul(D)");
    const Matrix U = Eval("luu(D)");
    const Matrix LU = L * U;
    for (int i = 1; i <= 3; ++i) {
        EXPECT_EQ(L(i, i), 1.0);
        for (int j = 1; j < i; ++j)
            EXPECT_EQ(U(i, j), 0.0);
        bool isRowOfD = false;
        for (int k = 1; k <= 3; ++k) {
            isRowOfD = isRowOfD || MaxDifference(LU.Row(i), D.Row(k)) < 1e-14;
        }
        EXPECT_TRUE(isRowOfD) << "row " << i;
    }
}

TEST_F(Evaluation, FailedNumericAssignmentKeepsTheVariable) {
    Scalar("x = 5");
    Eval("x = Q");
    EXPECT_EQ(m_errors, Codes{MatrixDoesNotExist});
    EXPECT_EQ(Scalar("x"), 5.0);
    Eval("x = Q * 2");
    EXPECT_EQ(Scalar("x"), 5.0);
}

TEST_F(Evaluation, AssigningANewRegisterRaisesNothing) {
    Eval("C = A * 2");
    EXPECT_TRUE(m_errors.empty());
    EXPECT_EQ(MaxDifference(Var("C"), Var("A") * 2), 0.0);
    // An emptied register whose file exists is read from the file again.
    Eval("A = Q");
    EXPECT_EQ(m_result.Nrows() * m_result.Ncols(), 0);
    EXPECT_NEAR(Scalar("det(A)"), -2.0, 1e-14);
}

TEST_F(Evaluation, RemainderNeverLeavesTheWholeNumbers) {
    EXPECT_FALSE(std::signbit(Scalar("-6 % 3")));
    const double huge = Scalar("1e300 % 7");
    EXPECT_TRUE(m_errors.empty());
    EXPECT_TRUE(huge >= 0 && huge < 7 && huge == std::trunc(huge));
    EXPECT_EQ(Scalar("7 % 0.9"), 7.0);
    EXPECT_EQ(m_errors, Codes{SingularMatrix});
}

TEST_F(Evaluation, DeepNestingAndLongChainsAreBounded) {
    const int limit = CExpressionParser::kMaxNesting;
    EXPECT_EQ(Scalar(std::string(limit, '(') + "5" + std::string(limit, ')')), 5.0);
    EXPECT_TRUE(m_errors.empty());
    Eval(std::string(100000, '(') + "1");
    EXPECT_EQ(m_errors, Codes{UnbalancedParentheses});
    std::string calls;
    for (int i = 0; i < 1000; ++i)
        calls += "sin(";
    Eval(calls);
    EXPECT_EQ(m_errors, (Codes{UnbalancedParentheses}));

    std::string chain = "1";
    for (int i = 0; i < 100000; ++i)
        chain += " ^ 2";
    EXPECT_EQ(Scalar(chain), 1.0);
    EXPECT_TRUE(m_errors.empty());
    // Large exponents take repeated squaring, not two billion products.
    Eval("S ^ 2000000000");
    EXPECT_TRUE(m_errors.empty());
    EXPECT_FALSE(std::isfinite(m_result(1, 1)));
}
