#include "operations/properties_creation/matrix_tests.h"

#include <functional>
#include <string>

#include "calculator/calculator_dlg.h"
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
void RunTest(CCalculatorDlg& dlg, const std::function<void(const Matrix&)>& test) {
    dlg.RunCommand([&] {
        const Matrix m = dlg.GetCurrentMatrix();
        if (Exist(m)) test(m);
    });
}

void Tell(CCalculatorDlg& dlg, const std::string& text, const char* caption) {
    dlg.Host().MessageBox(text, caption, MB_OK);
}

void Answer(CCalculatorDlg& dlg, bool yes, const Answers& answers) {
    Tell(dlg, yes ? answers.yes : answers.no, answers.caption);
}

// A question about the real matrix, asked of the stored numbers in either mode.
void RunYesNo(CCalculatorDlg& dlg, int (*question)(const Matrix&), const Answers& answers) {
    RunTest(dlg, [&](const Matrix& m) { Answer(dlg, question(m) != 0, answers); });
}

// The matrix a question about the complex matrix is asked of: its composite
// in complex mode, the matrix itself in real mode.
Matrix AsAsked(const CCalculatorDlg& dlg, const Matrix& m) {
    return dlg.IsComplexMode() ? CplxToComposite(m) : m;
}

void RunYesNoInEitherMode(CCalculatorDlg& dlg, int (*question)(const Matrix&),
                          const Answers& answers) {
    RunTest(dlg, [&](const Matrix& m) { Answer(dlg, question(AsAsked(dlg, m)) != 0, answers); });
}

// In real mode the complex-only tests refuse; returns whether they did.
bool RefusedInRealMode(CCalculatorDlg& dlg, const char* caption) {
    if (dlg.IsComplexMode()) return false;
    dlg.Refuse(kNotComplexText, caption);
    return true;
}

} // namespace

void OnTestOrthogonal(CCalculatorDlg& dlg) {
    if (!dlg.HasCurrentMatrix()) dlg.Host().SetFocusTo(IDC_DISPLAY);
    RunYesNo(dlg, Orthogonal, kOrthogonal);
}

void OnTestPositiveDefinite(CCalculatorDlg& dlg) {
    RunYesNoInEitherMode(dlg, PositiveDefinite, kPositiveDefinite);
}

void OnTestSingular(CCalculatorDlg& dlg) {
    RunYesNoInEitherMode(dlg, Singular, kSingular);
}

void OnTestSkewSymmetric(CCalculatorDlg& dlg) {
    RunYesNo(dlg, SkewSymmetric, kSkewSymmetric);
}

void OnTestSquare(CCalculatorDlg& dlg) {
    RunYesNoInEitherMode(dlg, Square, kSquare);
}

void OnTestStochastic(CCalculatorDlg& dlg) {
    RunYesNo(dlg, Stochastic, kStochastic);
}

// Stochastic, and so is its transpose.
void OnTestDoubleStochastic(CCalculatorDlg& dlg) {
    RunTest(dlg, [&](const Matrix& m) {
        const Matrix transposed = m.t();
        Answer(dlg, Stochastic(m) && Stochastic(transposed), kDoubleStochastic);
    });
}

void OnTestSymmetric(CCalculatorDlg& dlg) {
    RunYesNoInEitherMode(dlg, Symmetric, kSymmetric);
}

void OnTestRank(CCalculatorDlg& dlg) {
    RunTest(dlg, [&](const Matrix& m) {
        int rank = Rank(AsAsked(dlg, m));
        if (dlg.IsComplexMode()) rank /= 2;
        Tell(dlg, "Rank = " + std::to_string(rank), "Rank Test");
    });
}

void OnTestSize(CCalculatorDlg& dlg) {
    RunTest(dlg, [&](const Matrix& m) {
        const int columns = dlg.IsComplexMode() ? m.Ncols() / 2 : m.Ncols();
        Tell(dlg,
             "      Size: " + std::to_string(m.Nrows()) + " Rows x " + std::to_string(columns) +
                 " Cols",
             "Size Test");
    });
}

void OnTestConditionNumber(CCalculatorDlg& dlg) {
    RunTest(dlg, [&](const Matrix& m) {
        const double k = Condition(AsAsked(dlg, m));
        if (k == kInfiniteCondition)
            Tell(dlg, "\tCondition Number is Infinite", "Test Condition");
        else if (k == kUncomputableCondition)
            Tell(dlg, "   Unable to Calculate Condition Number ", "Condition Number Test");
        else
            Tell(dlg, "Condition Number = " + FormatSignificant(k, kConditionDigits),
                 "Condition Number Test");
    });
}

// Hermitian and Unitary: complex mode only; refused with "Not in complex
// mode" in real mode.
void OnTestHermitian(CCalculatorDlg& dlg) {
    RunTest(dlg, [&](const Matrix& m) {
        if (RefusedInRealMode(dlg, "Hermitian Test")) return;
        Answer(dlg, ::OnTestHermitian(m, kComplexTolerance) != 0, kHermitian);
    });
}

void OnTestUnitary(CCalculatorDlg& dlg) {
    RunTest(dlg, [&](const Matrix& m) {
        if (RefusedInRealMode(dlg, "Unitary Test")) return;
        if (Singular(CplxToComposite(m))) {
            Tell(dlg, "Matrix is singular, not Unitary", kApplicationTitle);
            return;
        }
        Answer(dlg, ::OnTestUnitary(m, kComplexTolerance) != 0, kUnitary);
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
