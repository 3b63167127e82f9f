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
template <Procedure begin> void WithItself(CCalculatorDlg& dlg) {
    begin(dlg);
    dlg.OnEquals();
}
constexpr Procedure ConcatDiagonalWithItself = WithItself<OnConcatDiagonal>;
constexpr Procedure ConcatHorizontalWithItself = WithItself<OnConcatHorizontal>;
constexpr Procedure ConcatVerticalWithItself = WithItself<OnConcatVertical>;

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
        {"Flip", OnFlip, {}},
        {"Flop", OnFlop, {}},
        {"Rotate Left", OnRotateLeft, {}},
        {"Rotate Right", OnRotateRight, {}},
        {"Reshape", OnReshape, {"250"}},
        {"Sort Ascending", OnSortAscending, {}},
        {"Sort Descending", OnSortDescending, {}},
        {"Row:Sort", OnRowSort, {}},
        {"Get Row", OnGetRow, {"250"}},
        {"Get Column", OnGetColumn, {"250"}},
        {"Get Submatrix", OnGetSubmatrix, {"1", "400", "1", "400"}},
        {"Get Diagonal", OnGetDiagonal, {}},
        {"Row:Sum", OnRowSum, {}},
        {"Column:Sum", OnColumnSum, {}},
        {"Row:Swap", OnRowSwap, {"1", "500"}},
        {"Row:Add", OnRowAdd, {"1", "500"}},
        {"Row:Pivot", OnRowPivot, {"7"}},
        {"Row:Scalar Mult", OnRowScalarMult, {"7", "2.5"}},
        {"Gauss Elimination", OnGaussElimination, {}},
        {"Balance", OnBalance, {}},
        {"Adjugate", OnAdjugate, {}},
        {"Determinant", OnDeterminant, {}, true},
        {"Trace", OnTrace, {}, true},
        {"Matrix Norm", OnMatrixNorm, {}, true},
        {"Matrix: Diag Product", OnDiagProduct, {}},
        {"Set Radix", OnSetRadix, {"16"}, true},
        {"Concat Diag =", ConcatDiagonalWithItself, {}},
        {"Concat Horiz =", ConcatHorizontalWithItself, {}},
        {"Concat Vert =", ConcatVerticalWithItself, {}},
    };
    for (const Case& c : realCases)
        Time("real 500 x 500", real, false, c, sink);

    const Matrix complex = RandomMatrix(500, 1000, random);
    const std::vector<Case> complexCases = {
        {"Flop", OnFlop, {}},
        {"Get Column", OnGetColumn, {"250"}},
        {"Get Submatrix", OnGetSubmatrix, {"1", "400", "1", "400"}},
        {"Get Diagonal", OnGetDiagonal, {}},
        {"Row:Sum", OnRowSum, {}},
        {"Complex Conjugate", OnComplexConjugate, {}},
        {"Complex to Composite", OnComplexToComposite, {}},
        {"Trace", OnTrace, {}, true},
        {"Matrix: Diag Product", OnDiagProduct, {}},
        {"Concat Diag =", ConcatDiagonalWithItself, {}},
        {"Concat Horiz =", ConcatHorizontalWithItself, {}},
    };
    for (const Case& c : complexCases)
        Time("complex 500 x 500", complex, true, c, sink);

    const Matrix hermitian = RandomHermitian(100, random);
    const std::vector<Case> hermitianCases = {
        {"Determinant", OnDeterminant, {}, true},
        {"Adjugate", OnAdjugate, {}},
    };
    for (const Case& c : hermitianCases)
        Time("Hermitian 100 x 100", hermitian, true, c, sink);

    std::filesystem::current_path(directory.parent_path());
    if (!std::getenv("ZT_BENCH_KEEP")) std::filesystem::remove_all(directory);
    return 0;
}
