// Times the structural, determinant, norm and radix procedures on a
// 500 x 500 real matrix (and the complex ones on 500 x 500 and 100 x 100
// complex matrices), each from the picked row to the redrawn display.
// Prints one line per procedure.

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include <unistd.h>

#include "calculator/calculator_dlg.h"
#include "commands/command_groups.h"
#include "operations/procedures/complex_procedures.h"
#include "operations/procedures/determinant_procedures.h"
#include "operations/procedures/extract_procedures.h"
#include "operations/procedures/norms_products.h"
#include "operations/procedures/pending_procedures.h"
#include "operations/procedures/rearrange_procedures.h"
#include "operations/procedures/row_operations.h"
#include "operations/procedures/set_radix.h"
#include "scripting/scripted_calculator.h"

namespace {

using NEWMAT::Matrix;
using Procedure = void (*)(CCalculatorDlg&);

struct Case {
    const char* name;
    Procedure procedure;
    std::vector<std::optional<std::string>> inputs;
    bool yes = false; // answers a Yes/No question with Yes
};

Matrix RandomMatrix(int rows, int columns, std::mt19937& random) {
    std::uniform_real_distribution<double> value(-1.0, 1.0);
    Matrix m(rows, columns);
    for (int i = 1; i <= rows; ++i)
        for (int j = 1; j <= columns; ++j)
            m(i, j) = value(random);
    return m;
}

// A dual n x 2n Hermitian matrix.
Matrix RandomHermitian(int n, std::mt19937& random) {
    Matrix h = RandomMatrix(n, 2 * n, random);
    for (int i = 1; i <= n; ++i) {
        h(i, n + i) = 0.0;
        for (int j = i + 1; j <= n; ++j) {
            h(j, i) = h(i, j);
            h(j, n + i) = -h(i, n + j);
        }
    }
    return h;
}

// A join begun and finished at once: the matrix joined with itself.
void JoinedWithItself(CCalculatorDlg& dlg, const char* join) {
    FindCommandOperation(join)(dlg);
    dlg.OnEquals();
}
void ConcatDiagonalWithItself(CCalculatorDlg& dlg) {
    JoinedWithItself(dlg, "Concat Diag");
}
void ConcatHorizontalWithItself(CCalculatorDlg& dlg) {
    JoinedWithItself(dlg, "Concat Horiz");
}
void ConcatVerticalWithItself(CCalculatorDlg& dlg) {
    JoinedWithItself(dlg, "Concat Vert");
}

void Time(const char* label, const Matrix& m, bool complex, const Case& c, std::ostream& sink) {
    ScriptedCalculator calc(sink);
    calc.dlg.OnInitDialog();
    if (complex) calc.dlg.SetComplexMode();
    calc.dlg.SetCurrentMatrix(m);
    calc.dlg.ShowCurrentMatrix();
    for (const auto& input : c.inputs)
        calc.host.QueueInput(input);
    // Value reports and Set Radix ask Yes/No; other boxes take OK.
    calc.host.Improvise({[&c] { return c.yes; }, [] { return std::nullopt; }});
    const auto start = std::chrono::steady_clock::now();
    c.procedure(calc.dlg);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("%-28s %-24s %8.3f s\n", label, c.name, seconds);
}

} // namespace

int main() {
    const std::filesystem::path directory = std::filesystem::temp_directory_path() /
                                            ("zt-bench-procedures-" + std::to_string(getpid()));
    std::filesystem::create_directories(directory);
    std::filesystem::current_path(directory);
    std::ofstream sink("transcript.out");
    std::mt19937 random(11);

    const Matrix real = RandomMatrix(500, 500, random);
    const std::vector<Case> realCases = {
        {"Flip", FindCommandOperation("Flip"), {}},
        {"Flop", FindCommandOperation("Flop"), {}},
        {"Rotate Left", FindCommandOperation("Rotate Left"), {}},
        {"Rotate Right", FindCommandOperation("Rotate Right"), {}},
        {"Reshape", FindCommandOperation("Reshape"), {"250"}},
        {"Sort Ascending", FindCommandOperation("Sort Ascending"), {}},
        {"Sort Descending", FindCommandOperation("Sort Descending"), {}},
        {"Row:Sort", FindCommandOperation("Row:Sort"), {}},
        {"Get Row", FindCommandOperation("Get Row"), {"250"}},
        {"Get Column", FindCommandOperation("Get Column"), {"250"}},
        {"Get Submatrix", FindCommandOperation("Get Submatrix"), {"1", "400", "1", "400"}},
        {"Get Diagonal", FindCommandOperation("Get Diagonal"), {}},
        {"Row:Sum", FindCommandOperation("Row:Sum"), {}},
        {"Column:Sum", FindCommandOperation("Column:Sum"), {}},
        {"Row:Swap", FindCommandOperation("Row:Swap"), {"1", "500"}},
        {"Row:Add", FindCommandOperation("Row:Add"), {"1", "500"}},
        {"Row:Pivot", FindCommandOperation("Row:Pivot"), {"7"}},
        {"Row:Scalar Mult", FindCommandOperation("Row:Scalar Mult"), {"7", "2.5"}},
        {"Gauss Elimination", FindCommandOperation("Gauss Elimination"), {}},
        {"Balance", FindCommandOperation("Balance"), {}},
        {"Adjugate", FindCommandOperation("Adjugate"), {}},
        {"Determinant", FindCommandOperation("Determinant"), {}, true},
        {"Trace", FindCommandOperation("Trace"), {}, true},
        {"Matrix Norm", FindCommandOperation("Matrix Norm"), {}, true},
        {"Matrix: Diag Product", FindCommandOperation("Matrix: Diag Product"), {}},
        {"Set Radix", FindCommandOperation("Set Radix"), {"16"}, true},
        {"Concat Diag =", ConcatDiagonalWithItself, {}},
        {"Concat Horiz =", ConcatHorizontalWithItself, {}},
        {"Concat Vert =", ConcatVerticalWithItself, {}},
    };
    for (const Case& c : realCases)
        Time("real 500 x 500", real, false, c, sink);

    const Matrix complex = RandomMatrix(500, 1000, random);
    const std::vector<Case> complexCases = {
        {"Flop", FindCommandOperation("Flop"), {}},
        {"Get Column", FindCommandOperation("Get Column"), {"250"}},
        {"Get Submatrix", FindCommandOperation("Get Submatrix"), {"1", "400", "1", "400"}},
        {"Get Diagonal", FindCommandOperation("Get Diagonal"), {}},
        {"Row:Sum", FindCommandOperation("Row:Sum"), {}},
        {"Complex Conjugate", FindCommandOperation("Complex Conjugate"), {}},
        {"Complex to Composite", FindCommandOperation("Complex to Composite"), {}},
        {"Trace", FindCommandOperation("Trace"), {}, true},
        {"Matrix: Diag Product", FindCommandOperation("Matrix: Diag Product"), {}},
        {"Concat Diag =", ConcatDiagonalWithItself, {}},
        {"Concat Horiz =", ConcatHorizontalWithItself, {}},
    };
    for (const Case& c : complexCases)
        Time("complex 500 x 500", complex, true, c, sink);

    const Matrix hermitian = RandomHermitian(100, random);
    const std::vector<Case> hermitianCases = {
        {"Determinant", FindCommandOperation("Determinant"), {}, true},
        {"Adjugate", FindCommandOperation("Adjugate"), {}},
    };
    for (const Case& c : hermitianCases)
        Time("Hermitian 100 x 100", hermitian, true, c, sink);

    std::filesystem::current_path(directory.parent_path());
    if (!std::getenv("ZT_BENCH_KEEP")) std::filesystem::remove_all(directory);
    return 0;
}
