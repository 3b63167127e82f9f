// Every test of the MATRIX TESTS group on matrices built to lie on either
// side of its criterion, in the mode the case names.

#include <gtest/gtest.h>

#include <limits>
#include <vector>

#include "calculator/control_ids.h"
#include "tests/matrixlib/matrix_checks.h"
#include "tests/support/calculator_fixture.h"
#include "testscreate/matrix_tests.h"

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

struct TestCase {
    const char* name;
    void (*test)(CCalculatorDlg&);
    bool complex;
    int rows;
    int columns; // stored columns: twice the complex columns in complex mode
    std::vector<double> elements;
    const char* caption;
    const char* said;
    const char* icon = "none";
};

std::string Box(const TestCase& c) {
    std::string text = std::string("message \"") + c.caption + "\" \"";
    for (const char* p = c.said; *p; ++p)
        text += *p == '\t' ? std::string("\\t") : std::string(1, *p);
    return text + "\" icon=" + c.icon + " buttons=ok -> ok\n";
}

// Answers the transcript does not already pin down: each test just across its
// criterion, the complex answers taken from the composite, non-finite elements.
const std::vector<TestCase>& Cases() {
    const char* orth = "Orthogonality Test";
    const char* pd = "Positive Definite Test";
    const char* sing = "Singularity Test";
    const char* stoch = "Stochastic Test";
    const char* title = kApplicationTitle;
    // clang-format off
    static const std::vector<TestCase> cases = {
        {"rotation is orthogonal", OnTestOrthogonal, false, 2, 2, {0.6, 0.8, -0.8, 0.6}, orth, "\tYes, matrix is orthogonal"},
        {"shear is not orthogonal", OnTestOrthogonal, false, 2, 2, {1, 1, 0, 1}, orth, "\tNo, matrix is not orthogonal"},
        {"orthonormal columns, not square", OnTestOrthogonal, false, 3, 2, {1, 0, 0, 1, 0, 0}, orth, "\tNo, matrix is not orthogonal"},
        {"indefinite symmetric", OnTestPositiveDefinite, false, 2, 2, {1, 2, 2, 1}, pd, "\tNo, matrix is not positive definite"},
        {"semidefinite", OnTestPositiveDefinite, false, 2, 2, {1, 1, 1, 1}, pd, "\tNo, matrix is not positive definite"},
        {"a NaN makes it singular", OnTestSingular, false, 2, 2, {1, 0, 0, kNaN}, sing, "\tYes, matrix is singular"},
        {"complex (1, i; i, -1) is singular", OnTestSingular, true, 2, 4, {1, 0, 0, 1, 0, -1, 1, 0}, sing, "\tYes, matrix is singular"},
        {"complex (1, i; -i, 1) is singular too", OnTestSingular, true, 2, 4, {1, 0, 0, 1, 0, 1, -1, 0}, sing, "\tYes, matrix is singular"},
        {"complex (1, i; i, 1) is not", OnTestSingular, true, 2, 4, {1, 0, 0, 1, 0, 1, 1, 0}, sing, "\tNo, matrix is not singular"},
        {"a row sums to 1.1", OnTestStochastic, false, 2, 2, {0.5, 0.6, 0.25, 0.75}, stoch, "\tNo, matrix is not stochastic"},
        {"a negative element in rows summing to one", OnTestStochastic, false, 2, 2, {1.5, -0.5, 0.5, 0.5}, stoch, "\tNo, matrix is not stochastic"},
        {"columns sum to one too", OnTestDoubleStochastic, false, 2, 2, {0.25, 0.75, 0.75, 0.25}, stoch, "\tYes, matrix is double stochastic"},
        {"square but not symmetric", OnTestSymmetric, false, 2, 2, {1, 2, 3, 1}, "Symmetry Test", "No, matrix is not symmetric"},
        {"complex symmetric but not Hermitian", OnTestSymmetric, true, 2, 4, {2, 1, 0, 1, 1, 3, 1, 0}, "Symmetry Test", "No, matrix is not symmetric"},
        {"complex rank", OnTestRank, true, 2, 4, {1, 0, 0, 1, 0, -1, 1, 0}, "Rank Test", "Rank = 1"},
        {"condition with an infinity", OnTestConditionNumber, false, 2, 2, {1, 0, 0, std::numeric_limits<double>::infinity()}, "Condition Number Test", "   Unable to Calculate Condition Number "},
        {"imaginary diagonal is not Hermitian", OnTestHermitian, true, 2, 4, {2, 1, 0.5, 1, 1, 3, -1, 0}, title, "Matrix is not Hermitian"},
        {"diag(2, 1) is not unitary", OnTestUnitary, true, 2, 4, {2, 0, 0, 0, 0, 1, 0, 0}, title, "Matrix is not Unitary"},
    };
    // clang-format on
    return cases;
}

class MatrixTestsTest : public CalculatorFixture,
                        public ::testing::WithParamInterface<std::size_t> {};

TEST_P(MatrixTestsTest, AnswersAndChangesNothing) {
    const TestCase& c = Cases()[GetParam()];
    SCOPED_TRACE(c.name);
    if (c.complex) calc.dlg.SetComplexMode();
    NEWMAT::Matrix m(c.rows, c.columns);
    ASSERT_EQ(c.elements.size(), static_cast<std::size_t>(c.rows * c.columns));
    m << c.elements.data();
    calc.dlg.SetCurrentMatrix(m);
    calc.dlg.ShowCurrentMatrix();
    const std::string shown = calc.display.Text();
    TakeTranscript();

    c.test(calc.dlg);
    EXPECT_EQ(TakeTranscript(), Box(c));
    EXPECT_EQ(calc.display.Text(), shown);
    EXPECT_TRUE(SameBits(calc.dlg.GetCurrentMatrix(), m));
}

INSTANTIATE_TEST_SUITE_P(EitherSide, MatrixTestsTest,
                         ::testing::Range<std::size_t>(0, Cases().size()));

using EmptyMatrixTest = CalculatorFixture;

TEST_F(EmptyMatrixTest, NoMatrixNoMessage) {
    for (auto test :
         {OnTestOrthogonal, OnTestPositiveDefinite, OnTestRank, OnTestSingular, OnTestSize,
          OnTestSkewSymmetric, OnTestSquare, OnTestStochastic, OnTestDoubleStochastic,
          OnTestSymmetric, OnTestConditionNumber, OnTestHermitian, OnTestUnitary})
        test(calc.dlg);
    EXPECT_EQ(TakeTranscript(), "");
    calc.host.SetFocusTo(IDC_OPTIONS_CAPTION);
    OnTestOrthogonal(calc.dlg);
    EXPECT_EQ(calc.host.Focus(), IDC_DISPLAY);
}

} // namespace
