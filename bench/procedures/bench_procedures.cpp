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
#include <string_view>
#include <vector>

#include <unistd.h>

#include "calculator/calculator.h"
#include "commands/command_groups.h"
#include "scripting/scripted_calculator.h"

namespace {

using NEWMAT::Matrix;

// A command by its row text; a text ending in " =" is a join begun and
// finished at once, the matrix joined with itself.
struct Case {
    const char* name;
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

void Run(Calculator& calculator, std::string_view name) {
    const bool joined = name.ends_with(" =");
    if (joined) name.remove_suffix(2);
    FindCommandOperation(name)(calculator);
    if (joined) calculator.Press(CalculatorKey::Equals);
}

void Time(const char* label, const Matrix& m, bool complex, const Case& c, std::ostream& sink) {
    ScriptedCalculator calc(sink);
    calc.dlg.OnInitDialog();
    if (complex) calc.core.Press(CalculatorKey::ComplexMode);
    calc.core.SetCurrentMatrix(m);
    calc.core.ShowCurrentMatrix();
    for (const auto& input : c.inputs)
        calc.host.QueueInput(input);
    // Value reports and Set Radix ask Yes/No; other boxes take OK.
    calc.host.Improvise({[&c] { return c.yes; }, [] { return std::nullopt; }});
    const auto start = std::chrono::steady_clock::now();
    Run(calc.core, c.name);
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
        {"Flip", {}},
        {"Flop", {}},
        {"Rotate Left", {}},
        {"Rotate Right", {}},
        {"Reshape", {"250"}},
        {"Sort Ascending", {}},
        {"Sort Descending", {}},
        {"Row:Sort", {}},
        {"Get Row", {"250"}},
        {"Get Column", {"250"}},
        {"Get Submatrix", {"1", "400", "1", "400"}},
        {"Get Diagonal", {}},
        {"Row:Sum", {}},
        {"Column:Sum", {}},
        {"Row:Swap", {"1", "500"}},
        {"Row:Add", {"1", "500"}},
        {"Row:Pivot", {"7"}},
        {"Row:Scalar Mult", {"7", "2.5"}},
        {"Gauss Elimination", {}},
        {"Balance", {}},
        {"Adjugate", {}},
        {"Determinant", {}, true},
        {"Trace", {}, true},
        {"Matrix Norm", {}, true},
        {"Matrix: Diag Product", {}},
        {"Set Radix", {"16"}, true},
        {"Concat Diag =", {}},
        {"Concat Horiz =", {}},
        {"Concat Vert =", {}},
    };
    for (const Case& c : realCases)
        Time("real 500 x 500", real, false, c, sink);

    const Matrix complex = RandomMatrix(500, 1000, random);
    const std::vector<Case> complexCases = {
        {"Flop", {}},
        {"Get Column", {"250"}},
        {"Get Submatrix", {"1", "400", "1", "400"}},
        {"Get Diagonal", {}},
        {"Row:Sum", {}},
        {"Complex Conjugate", {}},
        {"Complex to Composite", {}},
        {"Trace", {}, true},
        {"Matrix: Diag Product", {}},
        {"Concat Diag =", {}},
        {"Concat Horiz =", {}},
    };
    for (const Case& c : complexCases)
        Time("complex 500 x 500", complex, true, c, sink);

    const Matrix hermitian = RandomHermitian(100, random);
    const std::vector<Case> hermitianCases = {
        {"Determinant", {}, true},
        {"Adjugate", {}},
    };
    for (const Case& c : hermitianCases)
        Time("Hermitian 100 x 100", hermitian, true, c, sink);

    std::filesystem::current_path(directory.parent_path());
    if (!std::getenv("ZT_BENCH_KEEP")) std::filesystem::remove_all(directory);
    return 0;
}
