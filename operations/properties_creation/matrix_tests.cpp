#include "operations/properties_creation/matrix_tests.h"

#include <functional>
#include <string>

#include "calculator/calculator.h"
#include "calculator/control_ids.h"
#include "matrixlib/dual_matrix.h"
#include "matrixlib/measures.h"
#include "matrixlib/predicates.h"
#include "platform/number_format.h"

using NEWMAT::Matrix;

namespace {

// Tolerance of the complex tests.
constexpr double kComplexTolerance = 1e-8;
// Significant digits of a shown condition number.
constexpr int kConditionDigits = 7;
// Condition's two failure values.
constexpr double kInfiniteCondition = -1.0;
constexpr double kUncomputableCondition = -2.0;

const char* const kNotComplexText = "Not in complex mode";

struct Answers {
    const char* yes;
    const char* no;
    const char* caption;
};

constexpr Answers kOrthogonal = {"\tYes, matrix is orthogonal", "\tNo, matrix is not orthogonal",
                                 "Orthogonality Test"};
constexpr Answers kPositiveDefinite = {"\tYes, matrix is positive definite",
                                       "\tNo, matrix is not positive definite",
                                       "Positive Definite Test"};
constexpr Answers kSingular = {"\tYes, matrix is singular", "\tNo, matrix is not singular",
                               "Singularity Test"};
constexpr Answers kSkewSymmetric = {"\tYes, matrix is skew-symmetric",
                                    "\tNo, matrix is not skew-symmetric", "Skew-Symmetry Test"};
constexpr Answers kSquare = {"\tYes, matrix is square", "\tNo, matrix is not square",
                             "Squareness Test"};
constexpr Answers kStochastic = {"\tYes, matrix is stochastic", "\tNo, matrix is not stochastic",
                                 "Stochastic Test"};
constexpr Answers kDoubleStochastic = {"\tYes, matrix is double stochastic",
                                       "\tNo, matrix is not stochastic", "Stochastic Test"};
constexpr Answers kSymmetric = {"\tYes, matrix is symmetric", "No, matrix is not symmetric",
                                "Symmetry Test"};
// These two boxes have no title of their own: the application's.
constexpr Answers kHermitian = {"Matrix is Hermitian", "Matrix is not Hermitian",
                                kApplicationTitle};
constexpr Answers kUnitary = {"Matrix is Unitary", "Matrix is not Unitary", kApplicationTitle};

// Runs a test on the current matrix; nothing happens when there is none.
void RunTest(Calculator& calculator, const std::function<void(const Matrix&)>& test) {
    calculator.RunCommand([&] {
        const Matrix m = calculator.GetCurrentMatrix();
        if (Exist(m)) test(m);
    });
}

void Tell(Calculator& calculator, const std::string& text, const char* caption) {
    calculator.Host().MessageBox(text, caption, MB_OK);
}

void Answer(Calculator& calculator, bool yes, const Answers& answers) {
    Tell(calculator, yes ? answers.yes : answers.no, answers.caption);
}

// A question about the real matrix, asked of the stored numbers in either mode.
void RunYesNo(Calculator& calculator, int (*question)(const Matrix&), const Answers& answers) {
    RunTest(calculator, [&](const Matrix& m) { Answer(calculator, question(m) != 0, answers); });
}

// The matrix a question about the complex matrix is asked of: its composite
// in complex mode, the matrix itself in real mode.
Matrix AsAsked(const Calculator& calculator, const Matrix& m) {
    return calculator.IsComplexMode() ? CplxToComposite(m) : m;
}

void RunYesNoInEitherMode(Calculator& calculator, int (*question)(const Matrix&),
                          const Answers& answers) {
    RunTest(calculator, [&](const Matrix& m) {
        Answer(calculator, question(AsAsked(calculator, m)) != 0, answers);
    });
}

// In real mode the complex-only tests refuse; returns whether they did.
bool RefusedInRealMode(Calculator& calculator, const char* caption) {
    if (calculator.IsComplexMode()) return false;
    calculator.Refuse(kNotComplexText, caption);
    return true;
}

} // namespace

void OnTestOrthogonal(Calculator& calculator) {
    if (!calculator.HasCurrentMatrix()) calculator.Host().SetFocusTo(IDC_DISPLAY);
    RunYesNo(calculator, Orthogonal, kOrthogonal);
}

void OnTestPositiveDefinite(Calculator& calculator) {
    RunYesNoInEitherMode(calculator, PositiveDefinite, kPositiveDefinite);
}

void OnTestSingular(Calculator& calculator) {
    RunYesNoInEitherMode(calculator, Singular, kSingular);
}

void OnTestSkewSymmetric(Calculator& calculator) {
    RunYesNo(calculator, SkewSymmetric, kSkewSymmetric);
}

void OnTestSquare(Calculator& calculator) {
    RunYesNoInEitherMode(calculator, Square, kSquare);
}

void OnTestStochastic(Calculator& calculator) {
    RunYesNo(calculator, Stochastic, kStochastic);
}

// Stochastic, and so is its transpose.
void OnTestDoubleStochastic(Calculator& calculator) {
    RunTest(calculator, [&](const Matrix& m) {
        const Matrix transposed = m.t();
        Answer(calculator, Stochastic(m) && Stochastic(transposed), kDoubleStochastic);
    });
}

void OnTestSymmetric(Calculator& calculator) {
    RunYesNoInEitherMode(calculator, Symmetric, kSymmetric);
}

void OnTestRank(Calculator& calculator) {
    RunTest(calculator, [&](const Matrix& m) {
        int rank = Rank(AsAsked(calculator, m));
        if (calculator.IsComplexMode()) rank /= 2;
        Tell(calculator, "Rank = " + std::to_string(rank), "Rank Test");
    });
}

void OnTestSize(Calculator& calculator) {
    RunTest(calculator, [&](const Matrix& m) {
        const int columns = calculator.IsComplexMode() ? m.Ncols() / 2 : m.Ncols();
        Tell(calculator,
             "      Size: " + std::to_string(m.Nrows()) + " Rows x " + std::to_string(columns) +
                 " Cols",
             "Size Test");
    });
}

void OnTestConditionNumber(Calculator& calculator) {
    RunTest(calculator, [&](const Matrix& m) {
        const double k = Condition(AsAsked(calculator, m));
        if (k == kInfiniteCondition)
            Tell(calculator, "\tCondition Number is Infinite", "Test Condition");
        else if (k == kUncomputableCondition)
            Tell(calculator, "   Unable to Calculate Condition Number ", "Condition Number Test");
        else
            Tell(calculator, "Condition Number = " + FormatSignificant(k, kConditionDigits),
                 "Condition Number Test");
    });
}

// Hermitian and Unitary: complex mode only; refused with "Not in complex
// mode" in real mode.
void OnTestHermitian(Calculator& calculator) {
    RunTest(calculator, [&](const Matrix& m) {
        if (RefusedInRealMode(calculator, "Hermitian Test")) return;
        Answer(calculator, ::OnTestHermitian(m, kComplexTolerance) != 0, kHermitian);
    });
}

void OnTestUnitary(Calculator& calculator) {
    RunTest(calculator, [&](const Matrix& m) {
        if (RefusedInRealMode(calculator, "Unitary Test")) return;
        if (Singular(CplxToComposite(m))) {
            Tell(calculator, "Matrix is singular, not Unitary", kApplicationTitle);
            return;
        }
        Answer(calculator, ::OnTestUnitary(m, kComplexTolerance) != 0, kUnitary);
    });
}

std::span<const NamedCommand> MatrixTestsCommands() {
    static constexpr NamedCommand kCommands[] = {
        {"Condition Number", OnTestConditionNumber},
        {"Double Stochastic", OnTestDoubleStochastic},
        {"Hermitian", OnTestHermitian},
        {"Orthogonal", OnTestOrthogonal},
        {"Positive Definite", OnTestPositiveDefinite},
        {"Rank", OnTestRank},
        {"Singular", OnTestSingular},
        {"Size", OnTestSize},
        {"Skew-Symmetric", OnTestSkewSymmetric},
        {"Square", OnTestSquare},
        {"Stochastic", OnTestStochastic},
        {"Symmetric", OnTestSymmetric},
        {"Unitary", OnTestUnitary},
    };
    return kCommands;
}
