// The recorded steps: replayed on the input they give each shown matrix
// and end at the reduced form; the floating-point recording leaves the
// elimination's result as it was; the texts.

#include "exact/exact_algebra.h"
#include "exact/exact_steps.h"
#include "exact/float_steps.h"
#include "exact/steps_output.h"
#include "matrixlib/linear_solvers.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>

namespace {

// The operation done here on a copy, as the text defines it.
void Replay(RationalMatrix& m, const ExactRowOperation& op) {
    for (int j = 1; j <= m.Columns(); ++j) {
        switch (op.kind) {
        case RowOperationKind::Swap:
            std::swap(m(op.target, j), m(op.source, j));
            break;
        case RowOperationKind::Scale:
            m(op.target, j) *= op.factor;
            break;
        case RowOperationKind::Subtract:
            m(op.target, j) -= op.factor * m(op.source, j);
            break;
        case RowOperationKind::ClearResidue:
            FAIL() << "no residue in exact arithmetic";
        }
    }
}

RationalMatrix RandomIntegers(std::mt19937_64& random, int rows, int columns) {
    std::uniform_int_distribution<int> value(-4, 4);
    RationalMatrix m(rows, columns);
    for (int i = 1; i <= rows; ++i)
        for (int j = 1; j <= columns; ++j)
            m(i, j) = value(random);
    // Some singular: a row repeated or a combination of two.
    if (rows > 2 && random() % 3 == 0)
        for (int j = 1; j <= columns; ++j)
            m(rows, j) = m(1, j) - 2 * m(2, j);
    return m;
}

TEST(ExactSteps, ReplayedOnTheInputGiveTheShownMatricesAndTheReducedForm) {
    std::mt19937_64 random(5);
    int singular = 0;
    for (int run = 0; run < 200; ++run) {
        const int rows = 1 + static_cast<int>(random() % 8);
        const int columns = 1 + static_cast<int>(random() % 8);
        const RationalMatrix input = RandomIntegers(random, rows, columns);
        const ExactResult<std::vector<ExactStep>> steps = RrefSteps(input);
        ASSERT_TRUE(steps.IsDone());
        RationalMatrix m = input;
        for (const ExactStep& step : steps.value) {
            Replay(m, step.operation);
            ASSERT_EQ(m, step.after) << OperationText(step.operation);
        }
        EXPECT_EQ(m, ExactRref(input).value);
        if (rows == columns && ExactDeterminant(input).value == 0) ++singular;
    }
    EXPECT_GT(singular, 2);
}

TEST(ExactSteps, OfInverseAndSolveEndWithTheAnswerBesideTheIdentity) {
    RationalMatrix a(2, 2);
    a(1, 1) = 0, a(1, 2) = 2, a(2, 1) = 4, a(2, 2) = 3;
    const ExactResult<std::vector<ExactStep>> steps = InverseSteps(a);
    ASSERT_TRUE(steps.IsDone());
    EXPECT_EQ(OperationText(steps.value.front().operation), "R1 <-> R2");
    EXPECT_EQ(steps.value.back().after, SideBySide(RationalMatrix::Identity(2), ExactInverse(a).value));
    RationalMatrix b(2, 1);
    b(1, 1) = 1;
    EXPECT_EQ(SolveSteps(a, b).value.back().after,
              SideBySide(RationalMatrix::Identity(2), ExactSolve(a, b).value));
    EXPECT_EQ(InverseSteps(RationalMatrix(2, 3)).status, ExactStatus::NotSquare);
    EXPECT_EQ(RrefSteps(RationalMatrix(30, 30)).status, ExactStatus::TooLarge);
}

bool SameBits(const NEWMAT::Matrix& a, const NEWMAT::Matrix& b) {
    return a.Nrows() == b.Nrows() && a.Ncols() == b.Ncols() &&
           std::memcmp(a.Store(), b.Store(), sizeof(double) * static_cast<size_t>(a.Storage())) == 0;
}

// Random real matrices, some of them with dependent rows (residue to
// clear): the recorded elimination gives DoGauss's matrix bit for bit,
// and its last step shows that matrix.
TEST(FloatSteps, LeaveTheReducedFormAsDoGaussMakesIt) {
    std::mt19937_64 random(9);
    std::uniform_real_distribution<double> value(-10, 10);
    int cleared = 0;
    for (int run = 0; run < 200; ++run) {
        const int rows = 1 + static_cast<int>(random() % 8);
        const int columns = 1 + static_cast<int>(random() % 8);
        NEWMAT::Matrix m(rows, columns);
        for (int k = 0; k < m.Storage(); ++k)
            m.Store()[k] = run % 2 ? value(random) : std::round(value(random)) / 10;
        if (rows > 2 && run % 3 == 0) m.Row(rows) = m.Row(1) * 0.3 - m.Row(2) * 0.7;
        NEWMAT::Matrix plain = m;
        DoGauss(plain);
        const FloatElimination run_ = GaussWithSteps(m);
        ASSERT_TRUE(run_.finite && run_.stepsKept);
        EXPECT_TRUE(SameBits(m, plain)) << run;
        if (!run_.steps.empty()) {
            EXPECT_TRUE(SameBits(run_.steps.back().after, plain)) << run;
        }
        for (const FloatStep& step : run_.steps)
            cleared += step.operation.kind == RowOperationKind::ClearResidue;
    }
    EXPECT_GT(cleared, 0);
    NEWMAT::Matrix infinite(1, 1);
    infinite(1, 1) = HUGE_VAL;
    EXPECT_FALSE(GaussWithSteps(infinite).finite);
}

TEST(StepTexts, AsOperationsPlainLinesAndLatex) {
    EXPECT_EQ(OperationText(ExactRowOperation{RowOperationKind::Subtract, 2, 1, 0, mpq_class(3, 2)}),
              "R2 <- R2 - 3/2*R1");
    EXPECT_EQ(OperationText(ExactRowOperation{RowOperationKind::Subtract, 3, 1, 0, mpq_class(-1)}),
              "R3 <- R3 + R1");
    EXPECT_EQ(OperationText(ExactRowOperation{RowOperationKind::Scale, 2, 2, 0, mpq_class(1, 4)}),
              "R2 <- 1/4*R2");
    EXPECT_EQ(OperationText(ExactRowOperation{RowOperationKind::Swap, 1, 3, 0, 0}), "R1 <-> R3");
    EXPECT_EQ(OperationText(FloatRowOperation{RowOperationKind::Scale, 1, 1, 0, 0.3}), "R1 <- 10/3*R1");
    EXPECT_EQ(OperationText(FloatRowOperation{RowOperationKind::Subtract, 2, 1, 0, -0.25}),
              "R2 <- R2 + 1/4*R1");
    EXPECT_EQ(OperationText(FloatRowOperation{RowOperationKind::ClearResidue, 3, 5, 2, 0}),
              "C2 <- 0 in R3..R5");

    RationalMatrix a(2, 2);
    a(1, 1) = 2, a(1, 2) = 1, a(2, 1) = 3, a(2, 2) = 4;
    const std::vector<ShownStep> shown = ShowSteps(RrefSteps(a).value);
    EXPECT_EQ(StepsText(shown, 2),
              "step R1 <- 1/2*R1\n1  1/2\n3    4\n"
              "step R2 <- R2 - 3*R1\n1  1/2\n0  5/2\n"
              "step R2 <- 2/5*R2\n1  1/2\n0    1\n"
              "step R1 <- R1 - 1/2*R2\n1  0\n0  1\n");
    const std::string latex = StepsLatex(ShowMatrix(a), shown);
    EXPECT_EQ(latex.substr(0, latex.find('\n', latex.find('\n') + 1)),
              "\\begin{align*}\n  &\\begin{bmatrix} 2 & 1 \\\\ 3 & 4 \\end{bmatrix} \\\\");
    EXPECT_NE(latex.find("\\xrightarrow{R_{2} \\leftarrow R_{2} - 3\\, R_{1}} &\\begin{bmatrix} 1 & "
                         "\\frac{1}{2} \\\\ 0 & \\frac{5}{2} \\end{bmatrix}"),
              std::string::npos);
    EXPECT_EQ(latex.substr(latex.size() - 13), "\\end{align*}\n");
}

} // namespace
