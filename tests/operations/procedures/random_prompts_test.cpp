// Drives the structural, determinant, norm and radix procedures with random
// matrices and random prompt answers (fixed seeds, so a failure repeats).
// Nothing may crash, and a procedure that refuses, reports an error, is
// escaped or only reports a value must leave the matrix exactly as it was.

#include <cmath>
#include <limits>
#include <random>

#include "operations/procedures/complex_procedures.h"
#include "commands/command_groups.h"
#include "operations/procedures/determinant_procedures.h"
#include "operations/procedures/extract_procedures.h"
#include "operations/procedures/norms_products.h"
#include "operations/procedures/pending_procedures.h"
#include "operations/procedures/rearrange_procedures.h"
#include "operations/procedures/row_operations.h"
#include "operations/procedures/set_radix.h"
#include "tests/matrixlib/matrix_checks.h"
#include "tests/support/calculator_fixture.h"

namespace {

using Procedure = void (*)(Calculator&);
constexpr int kSteps = 1500;

// clang-format off
const Procedure kProcedures[] = {
    FindCommandOperation("Flip"), FindCommandOperation("Flop"), FindCommandOperation("Rotate Left"), FindCommandOperation("Rotate Right"), FindCommandOperation("Reshape"), FindCommandOperation("Sort Ascending"), FindCommandOperation("Sort Descending"),
    FindCommandOperation("Row:Sort"), FindCommandOperation("Get Row"), FindCommandOperation("Get Column"), FindCommandOperation("Get Submatrix"), FindCommandOperation("Get Diagonal"), FindCommandOperation("Row:Sum"), FindCommandOperation("Column:Sum"),
    FindCommandOperation("Row:Swap"), FindCommandOperation("Row:Add"), FindCommandOperation("Row:Pivot"), FindCommandOperation("Row:Scalar Mult"), FindCommandOperation("Gauss Elimination"), FindCommandOperation("Balance"), FindCommandOperation("Adjugate"),
    FindCommandOperation("Determinant"), FindCommandOperation("Trace"), FindCommandOperation("Matrix Norm"), FindCommandOperation("Vector:Norm"), FindCommandOperation("Matrix: Diag Product"), FindCommandOperation("Complex Conjugate"),
    FindCommandOperation("Complex to Composite"), FindCommandOperation("Composite to Complex")};
// clang-format on

const char* const kAnswers[] = {"",      "abc", "0",           "1",          "2",
                                "3",     "-1",  "-2147483648", "2147483647", "99999999999999999999",
                                "1e308", "2.5", " 4",          "-0",         "nan",
                                "inf",   "5x"};

class RandomPromptsTest : public CalculatorFixture, public ::testing::WithParamInterface<unsigned> {
  protected:
    RandomPromptsTest() {
        calc.host.Improvise({[this] { return Below(2) == 0; },
                             [this]() -> std::optional<std::string> {
                                 if (Below(10) == 0) return std::nullopt;
                                 if (Below(3) == 0) return std::to_string(Below(12) - 3);
                                 return kAnswers[Below(std::size(kAnswers))];
                             }});
    }

    int Below(std::size_t n) { return static_cast<int>(random_() % n); }

    double Element() {
        switch (Below(12)) {
        case 0:
            return 0.0;
        case 1:
            return 1e300 * (Below(2) ? 1 : -1);
        case 2:
            return Below(2) ? std::numeric_limits<double>::infinity() : std::nan("");
        default:
            return Below(21) - 10 + 0.25 * Below(4);
        }
    }

    // Often symmetric or Hermitian, so those branches are reached.
    void NewMatrix() {
        const int rows = 1 + Below(5);
        const int columns = (1 + Below(5)) * (calc.core.IsComplexMode() ? 2 : 1);
        Matrix m(rows, columns);
        for (int i = 1; i <= rows; ++i)
            for (int j = 1; j <= columns; ++j)
                m(i, j) = Element();
        if (Below(3) == 0 && rows * 2 == columns) {
            for (int i = 1; i <= rows; ++i) {
                m(i, rows + i) = 0.0;
                for (int j = i + 1; j <= rows; ++j)
                    m(j, i) = m(i, j), m(j, rows + i) = -m(i, rows + j);
            }
        }
        calc.core.SetCurrentMatrix(m);
        calc.core.ShowCurrentMatrix();
    }

    // Runs one random procedure and checks what it left.
    void Step() {
        if (Below(4) == 0) NewMatrix();
        if (Below(15) == 0)
            calc.core.IsComplexMode() ? calc.core.Press(CalculatorKey::RealMode) : calc.core.Press(CalculatorKey::ComplexMode);
        if (Below(40) == 0) calc.core.Press(CalculatorKey::Clear);
        if (Below(5) == 0) calc.core.Press(CalculatorKey::Equals); // finishes a pending join or product
        TakeTranscript();
        const Matrix before = calc.core.GetCurrentMatrix();
        const bool complexBefore = calc.core.IsComplexMode();
        Procedure procedure = kProcedures[Below(std::size(kProcedures))];
        if (Below(20) == 0) procedure = FindCommandOperation("Set Radix");
        procedure(calc.core);
        const std::string said = TakeTranscript();
        const bool unchanged =
            said.find("icon=stop") != std::string::npos ||
            said.find("icon=info") != std::string::npos ||
            said.find("-> escape") != std::string::npos ||
            said.find("Singular or Non-Square") != std::string::npos ||
            (said.find("buttons=yesno") != std::string::npos && procedure != FindCommandOperation("Set Radix"));
        const Matrix after = calc.core.GetCurrentMatrix();
        if (unchanged && !SameBits(before, after)) ADD_FAILURE() << "changed after:\n" << said;
        if (calc.core.IsComplexMode() && complexBefore && after.Ncols() % 2 != 0 &&
            before.Ncols() % 2 == 0)
            ADD_FAILURE() << "a dual matrix lost its pairing:\n" << said;
    }

    std::mt19937 random_{GetParam()};
};

TEST_P(RandomPromptsTest, NoAnswerCrashesOrCorruptsTheMatrix) {
    for (int step = 0; step < kSteps && !HasFailure(); ++step)
        Step();
}

INSTANTIATE_TEST_SUITE_P(FixedSeeds, RandomPromptsTest, ::testing::Values(1u, 2u, 3u));

} // namespace
