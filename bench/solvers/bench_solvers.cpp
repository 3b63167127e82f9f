// Times Solve Ax = b through the calculator (recall A and B, solve, store C
// and D, show x) and the simplex method on a dense 200 x 200 problem; each
// figure is the median of five runs.

#include "tests/support/matrix_files.h"
#include "commands/command_groups.h"
#include "matrixlib/ztmath.h"
#include "scripting/scripted_calculator.h"
#include "operations/solvers/simplex.h"
#include "operations/solvers/solve_command.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <sstream>
#include <vector>

namespace {

double MedianSeconds(const std::function<void()>& run) {
    std::vector<double> times;
    for (int i = 0; i < 5; ++i) {
        const auto start = std::chrono::steady_clock::now();
        run();
        times.push_back(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[2];
}

void BenchSolve(SolveMethod method, const char* name) {
    std::ostringstream transcript;
    ScriptedCalculator calc(transcript);
    const double seconds = MedianSeconds([&] {
        calc.host.QueueSolveMethod(method);
        FindCommandOperation("Solve Ax = b")(calc.dlg);
    });
    const NEWMAT::Matrix residual = LoadMatrixFile("RegD") - LoadMatrixFile("RegB");
    std::printf("Solve Ax = b, %-13s 1000 x 1000, 10 columns %8.3f s   |AX - B| %.3g\n", name,
                seconds, std::sqrt(residual.SumSquare()));
}

void BenchSimplex() {
    const int m = 200;
    const int n = 200;
    int seed = 77;
    const NEWMAT::Matrix coefficients = Random(&seed, m, n, 0.0, 1.0);
    const NEWMAT::Matrix costs = Random(&seed, 1, n, 0.0, 1.0);
    NEWMAT::Matrix tableau(m + 2, n + 1);
    tableau = 0.0;
    for (int k = 1; k <= n; ++k)
        tableau(1, k + 1) = costs(1, k);
    for (int i = 1; i <= m; ++i) {
        tableau(i + 1, 1) = 1.0;
        for (int k = 1; k <= n; ++k)
            tableau(i + 1, k + 1) = -coefficients(i, k);
    }
    double z = 0;
    const double seconds = MedianSeconds([&] {
        NEWMAT::Matrix a = tableau;
        Simplex(a, m, n, m, 0, 0);
        z = a(1, 1);
    });
    std::printf("Simplex, 200 constraints x 200 variables       %8.3f s   z %.6g\n", seconds, z);
}

} // namespace

int main() {
    const auto folder = std::filesystem::temp_directory_path() / "zt-bench-solvers";
    std::filesystem::create_directories(folder);
    std::filesystem::current_path(folder);
    int seed = 11;
    NEWMAT::Matrix A = Random(&seed, 1000, 1000, -1.0, 1.0);
    for (int i = 1; i <= 1000; ++i)
        A(i, i) += 30;
    SaveMatrixFile(A, "RegA");
    SaveMatrixFile(Random(&seed, 1000, 10, -1.0, 1.0), "RegB");
    BenchSolve(SolveMethod::Lu, "LU");
    BenchSolve(SolveMethod::GaussJordan, "Gauss-Jordan");
    BenchSimplex();
    std::filesystem::current_path(folder.parent_path());
    std::filesystem::remove_all(folder);
}
