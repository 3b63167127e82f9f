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

Matrix Make(int rows, int cols, const std::vector<double>& elements) {
    Matrix M(rows, cols);
    int k = 0;
    for (int r = 1; r <= rows; ++r) {
        for (int c = 1; c <= cols; ++c) M(r, c) = elements[k++];
    }
    return M;
}

Matrix Identity(int n) {
    Matrix I(n, n);
    I = 0.0;
    for (int i = 1; i <= n; ++i) I(i, i) = 1.0;
    return I;
}

class Evaluation : public ::testing::Test {
protected:
    void SetUp() override {
        WriteRegister(m_folder / "RegA", 2, 2, {1, 2, 3, 4});
        WriteRegister(m_folder / "RegB", 2, 2, {5, 6, 7, 8});
        WriteRegister(m_folder / "RegD", 3, 3, {2, 0, 1, 1, 3, 0, 0, 1, 4});
        WriteRegister(m_folder / "RegR", 2, 3, {1, 2, 3, 4, 5, 6});
        WriteRegister(m_folder / "RegS", 2, 2, {1, 2, 2, 4});
        WriteRegister(m_folder / "RegAB", 1, 2, {7, 9});
        m_variables.LoadAll();
        m_result = -1.0;
    }

    // Evaluates one line; the raised codes are kept in m_errors.
    const Matrix& Eval(const std::string& line) {
        m_errors = m_parser.EvaluateLine(line, m_result);
        return m_result;
    }

    double Scalar(const std::string& line) {
        Eval(line);
        EXPECT_EQ(m_result.Nrows(), 1) << line;
        EXPECT_EQ(m_result.Ncols(), 1) << line;
        return m_result(1, 1);
    }

    Matrix Var(const std::string& name) { return m_variables.GetMatrixVar(name); }

    ScratchFolder m_folder;
    CEvaluatorVariables m_variables{m_folder.Path()};
    std::ostringstream m_calls;
    CExpressionParser m_parser{m_variables, m_calls};
    Matrix m_result{1, 1};
    std::vector<EvalError> m_errors;
};

using Codes = std::vector<EvalError>;

void ExpectNear(const Matrix& actual, const Matrix& expected, double tolerance = 1e-12) {
    ASSERT_EQ(actual.Nrows(), expected.Nrows());
    ASSERT_EQ(actual.Ncols(), expected.Ncols());
    for (int r = 1; r <= actual.Nrows(); ++r) {
        for (int c = 1; c <= actual.Ncols(); ++c) {
            EXPECT_NEAR(actual(r, c), expected(r, c), tolerance) << "(" << r << ", " << c << ")";
        }
    }
}

} // namespace

TEST_F(Evaluation, PrecedenceAndAssociativity) {
    EXPECT_EQ(Scalar("2 + 3 * 4"), 14.0);
    EXPECT_EQ(Scalar("(2 + 3) * 4"), 20.0);
    EXPECT_EQ(Scalar("2 - 3 - 4"), -5.0);
    EXPECT_EQ(Scalar("2 ^ 3 ^ 2"), 512.0);
    EXPECT_EQ(Scalar("-2 ^ 2"), 4.0);
    EXPECT_EQ(Scalar("2 * -3"), -6.0);
    EXPECT_EQ(Scalar("2.5e-3"), -0.5); // the exponent's sign splits the word
    EXPECT_TRUE(m_errors.empty());
    ExpectNear(Eval("A+ -B"), Make(2, 2, {-4, -4, -4, -4}));
}

TEST_F(Evaluation, LinesWithoutAnExpressionKeepTheResult) {
    Eval("7");
    for (const char* line : {"", "    ", ".5"}) {
        Eval(line);
        EXPECT_EQ(m_errors, Codes{NoExpression}) << '"' << line << '"';
        EXPECT_EQ(m_result(1, 1), 7.0);
    }
}

TEST_F(Evaluation, LeftoverTokensAreSyntaxErrors) {
    Scalar("a = 3");
    EXPECT_EQ(Scalar("a b"), 3.0);
    EXPECT_EQ(m_errors, Codes{SyntaxError});
    EXPECT_EQ(Scalar("3 = x"), 3.0);
    EXPECT_EQ(m_errors, Codes{SyntaxError});
    EXPECT_EQ(Scalar("x"), 0.0);
    EXPECT_EQ(Scalar("(2 + 3"), 5.0);
    EXPECT_EQ(m_errors, Codes{UnbalancedParentheses});
    EXPECT_EQ(Scalar("2 + *"), 2.0);
    EXPECT_EQ(m_errors.front(), SyntaxError);
}

TEST_F(Evaluation, NumericVariables) {
    EXPECT_EQ(Scalar("x = 2 + 3"), 5.0);
    EXPECT_EQ(Scalar("x"), 5.0);
    EXPECT_EQ(Scalar("xray * 2"), 10.0);
    EXPECT_EQ(Scalar("yes = x - 1"), 4.0);
    EXPECT_EQ(Scalar("y"), 4.0);
    // A matrix assigned to a number gives its first element; the line's
    // result is the whole matrix.
    ExpectNear(Eval("z = B"), Var("B"));
    EXPECT_EQ(Scalar("z"), 5.0);
    // Nothing to assign: the variable keeps its value.
    Eval("x = Q");
    EXPECT_EQ(m_errors, Codes{MatrixDoesNotExist});
    EXPECT_EQ(Scalar("x"), 5.0);
}

TEST_F(Evaluation, MatrixAssignmentAndReading) {
    ExpectNear(Eval("C = A * B"), Make(2, 2, {19, 22, 43, 50}));
    EXPECT_TRUE(m_errors.empty()) << "a new register is no error";
    ExpectNear(Var("C"), Make(2, 2, {19, 22, 43, 50}));
    ExpectNear(Eval("AB"), Make(1, 2, {7, 9})); // read from its own file
    Eval("C = Q");
    EXPECT_EQ(m_errors, Codes{MatrixDoesNotExist});
    EXPECT_EQ(m_result.Nrows() * m_result.Ncols(), 0);
    EXPECT_EQ(Var("C").Nrows() * Var("C").Ncols(), 0);
    // An emptied register is read from its file again.
    Eval("A = Q");
    ExpectNear(Eval("A"), Make(2, 2, {1, 2, 3, 4}));
    Eval("Q");
    EXPECT_EQ(m_errors, Codes{MatrixDoesNotExist});
    // An empty right side leaves the old value: "B =" has no operand.
    Eval("B =");
    EXPECT_EQ(m_errors, Codes{SyntaxError});
    ExpectNear(Var("B"), Make(2, 2, {5, 6, 7, 8}));
}

TEST_F(Evaluation, SumsAndProductsCheckShapes) {
    ExpectNear(Eval("A + B"), Make(2, 2, {6, 8, 10, 12}));
    ExpectNear(Eval("A + D"), Var("A"));
    EXPECT_EQ(m_errors, Codes{IncompatibleDimensions});
    ExpectNear(Eval("2 * A"), Make(2, 2, {2, 4, 6, 8}));
    ExpectNear(Eval("A * 2"), Make(2, 2, {2, 4, 6, 8}));
    ExpectNear(Eval("R * R"), Var("R"));
    EXPECT_EQ(m_errors, Codes{ProductNotDefined});
    ExpectNear(Eval("A * R"), Make(2, 3, {9, 12, 15, 19, 26, 33}));
}

TEST_F(Evaluation, DivisionMultipliesByTheInverse) {
    ExpectNear(Eval("A / A"), Identity(2));
    ExpectNear(Eval("B / A * A"), Var("B"), 1e-12);
    EXPECT_NEAR(Scalar("12 / 3 / 2"), 2.0, 1e-15);
    struct Case {
        const char* line;
        EvalError code;
    } cases[] = {{"A / S", SingularMatrix},   {"A / R", ProductNotDefined},
                 {"A / D", ProductNotDefined}, {"A / 2", ProductNotDefined},
                 {"A / Q", MatrixDoesNotExist}};
    for (const Case& c : cases) {
        ExpectNear(Eval(c.line), Var("A"));
        EXPECT_EQ(m_errors.back(), c.code) << c.line;
    }
    Scalar("a = 4");
    EXPECT_EQ(Scalar("a / b"), 4.0);
    EXPECT_EQ(m_errors, Codes{SingularMatrix});
}

TEST_F(Evaluation, RemainderOfWholeParts) {
    EXPECT_EQ(Scalar("7 % 3"), 1.0);
    EXPECT_EQ(Scalar("-7 % 3"), -1.0);
    EXPECT_EQ(Scalar("7.9 % 3.2"), 1.0);
    EXPECT_FALSE(std::signbit(Scalar("-6 % 3")));
    EXPECT_EQ(Scalar("5 % 0.5"), 5.0);
    EXPECT_EQ(m_errors, Codes{SingularMatrix});
    const double huge = Scalar("1e300 % 7");
    EXPECT_TRUE(m_errors.empty());
    EXPECT_TRUE(huge >= 0 && huge < 7 && huge == std::trunc(huge));
    ExpectNear(Eval("A % B"), Var("A"));
    EXPECT_EQ(m_errors, Codes{MeaninglessExpression});
}

TEST_F(Evaluation, PowersOfNumbers) {
    EXPECT_NEAR(Scalar("2 ^ 0.5"), std::sqrt(2.0), 1e-15);
    EXPECT_EQ(Scalar("2 ^ -2"), 0.25);
    EXPECT_EQ(Scalar("a = 3"), 3.0);
    EXPECT_EQ(Scalar("a ^ 0"), 1.0);
    EXPECT_EQ(Scalar("2 ^ 2.5 ^ 2"), std::pow(2.0, 6.25));
    // No operand after "^": the exponent is what its token reads as, 0.
    EXPECT_EQ(Scalar("2 ^ )"), 1.0);
    EXPECT_EQ(Scalar("2 ^ (Q)"), 2.0);
    EXPECT_EQ(m_errors, (Codes{MatrixDoesNotExist, MeaninglessExpression}));
}

TEST_F(Evaluation, PowersOfMatrices) {
    const Matrix A = Var("A");
    ExpectNear(Eval("A ^ 3"), A * A * A);
    ExpectNear(Eval("A ^ 1"), A);
    ExpectNear(Eval("A ^ 0"), Identity(2));
    ExpectNear(Eval("A ^ -1 * A"), Identity(2), 1e-12);
    ExpectNear(Eval("A ^ -2 * A * A"), Identity(2), 1e-12);
    EXPECT_TRUE(m_errors.empty());
    struct Case {
        const char* line;
        const char* unchanged;
        EvalError code;
    } cases[] = {{"A ^ 0.5", "A", MeaninglessExpression},
                 {"A ^ 1e10", "A", MeaninglessExpression},
                 {"S ^ -1", "S", SingularMatrix},
                 {"R ^ 2", "R", IncompatibleDimensions}};
    for (const Case& c : cases) {
        ExpectNear(Eval(c.line), Var(c.unchanged));
        EXPECT_EQ(m_errors, Codes{c.code}) << c.line;
    }
    // A matrix exponent sets the base to -1 and is left over.
    ExpectNear(Eval("A ^ B"), Make(2, 2, {-1, -1, -1, -1}));
    EXPECT_EQ(m_errors, (Codes{MeaninglessExpression, SyntaxError}));
}

TEST_F(Evaluation, ElementFunctions) {
    EXPECT_NEAR(Scalar("sin(1)"), std::sin(1.0), 1e-15);
    EXPECT_NEAR(Scalar("arcos(0) * 2"), M_PI, 1e-15);
    EXPECT_NEAR(Scalar("log(1000)"), 3.0, 1e-15);
    EXPECT_NEAR(Scalar("ln(exp(2))"), 2.0, 1e-15);
    EXPECT_NEAR(Scalar("deg(rad(30))"), 30.0, 1e-12);
    EXPECT_NEAR(Scalar("tan(arctan(0.5)) + arcsin(1)"), 0.5 + M_PI / 2, 1e-15);
    EXPECT_EQ(Scalar("cos(0)"), 1.0);
    ExpectNear(Eval("sqrt(A)"), Make(2, 2, {1, std::sqrt(2.0), std::sqrt(3.0), 2}));
    EXPECT_EQ(m_calls.str(), "op = 1\nop = 10\nop = 4\nop = 5\nop = 6\nop = 7\nop = 8\n"
                             "op = 3\nop = 11\nop = 9\nop = 2\nop = 23\n");
}

TEST_F(Evaluation, MatrixFunctionsApplyToTheirArgument) {
    const Matrix A = Var("A");
    const Matrix D = Var("D");
    EXPECT_NEAR(Scalar("det(A)"), -2.0, 1e-12);
    EXPECT_NEAR(Scalar("det(D)"), 25.0, 1e-12);
    ExpectNear(Eval("inv(D) * D"), Identity(3), 1e-12);
    ExpectNear(Eval("adj(D) * D"), Identity(3) * 25.0, 1e-12);
    EXPECT_NEAR(Scalar("trace(A + B)"), 18.0, 1e-12);
    EXPECT_NEAR(Scalar("norm(A)"), std::sqrt(30.0), 1e-12);
    ExpectNear(Eval("trans(R)"), Make(3, 2, {1, 4, 2, 5, 3, 6}));
    ExpectNear(Eval("rowvec(R)"), Make(1, 6, {1, 2, 3, 4, 5, 6}));
    ExpectNear(Eval("colvec(trans(R))"), Make(6, 1, {1, 4, 2, 5, 3, 6}));
    ExpectNear(Eval("flip(R)"), Make(2, 3, {3, 2, 1, 6, 5, 4}));
    ExpectNear(Eval("flop(R)"), Make(2, 3, {4, 5, 6, 1, 2, 3}));
    ExpectNear(Eval("rref(R)"), Make(2, 3, {1, 0, -1, 0, 1, 2}), 1e-12);
    EXPECT_TRUE(m_errors.empty());

    // L * U reproduces D up to a row permutation: compare row by row sets.
    const Matrix L = Eval("lul(D)");
    const Matrix U = Eval("luu(D)");
    for (int i = 1; i <= 3; ++i) {
        EXPECT_EQ(L(i, i), 1.0);
        for (int j = 1; j < i; ++j) EXPECT_EQ(U(i, j), 0.0);
    }
    const Matrix LU = L * U;
    for (int i = 1; i <= 3; ++i) {
        bool found = false;
        for (int k = 1; k <= 3 && !found; ++k) {
            found = std::fabs(LU(i, 1) - D(k, 1)) + std::fabs(LU(i, 2) - D(k, 2)) +
                        std::fabs(LU(i, 3) - D(k, 3)) < 1e-12;
        }
        EXPECT_TRUE(found) << "row " << i << " of L*U is no row of D";
    }
}

TEST_F(Evaluation, FunctionFailuresKeepTheArgument) {
    struct Case {
        const char* line;
        const char* argument;
        EvalError code;
    } cases[] = {{"inv(S)", "S", SingularMatrix},      {"det(S)", "S", SingularMatrix},
                 {"adj(R)", "R", SingularMatrix},      {"inv(R)", "R", SingularMatrix},
                 {"luu(R)", "R", IncompatibleDimensions}, {"lul(S)", "S", SingularMatrix}};
    for (const Case& c : cases) {
        ExpectNear(Eval(c.line), Var(c.argument));
        EXPECT_EQ(m_errors, Codes{c.code}) << c.line;
    }
    ExpectNear(Eval("inv(A"), Make(2, 2, {-2, 1, 1.5, -0.5}), 1e-12);
    EXPECT_EQ(m_errors, Codes{UnbalancedParentheses});
    Eval("7");
    EXPECT_EQ(Scalar("sin 3"), 7.0);
    EXPECT_EQ(m_errors, Codes{SyntaxError});
    EXPECT_EQ(m_calls.str().substr(m_calls.str().size() - 7), "op = 1\n");
}

TEST_F(Evaluation, DeepNestingAndLongChainsAreBounded) {
    const int limit = CExpressionParser::kMaxNesting;
    const std::string ok = std::string(limit, '(') + "5" + std::string(limit, ')');
    EXPECT_EQ(Scalar(ok), 5.0);
    EXPECT_TRUE(m_errors.empty());
    const std::string deep(100000, '(');
    Eval(deep + "1");
    EXPECT_EQ(m_errors, Codes{UnbalancedParentheses});
    std::string sines;
    for (int i = 0; i < 1000; ++i) sines += "sin(";
    Eval(sines + "1");
    EXPECT_EQ(m_errors, Codes{UnbalancedParentheses});

    std::string chain = "1";
    for (int i = 0; i < 100000; ++i) chain += " ^ 1";
    EXPECT_EQ(Scalar(chain), 1.0);
    EXPECT_TRUE(m_errors.empty());
}
