// Times the calculator's heavy paths through the zenscript runner: a
// 1000 x 1000 matrix text pasted, set and shown, and every operator on a
// 300 x 300 current matrix (real and complex). Prints one line per case.

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include <unistd.h>

#include "bench/bench_timing.h"
#include "scripting/script_runner.h"

namespace {

std::string RandomMatrixText(int rows, int columns, bool complex, std::mt19937& random) {
    std::uniform_real_distribution<double> value(-100.0, 100.0);
    std::string text;
    char number[64];
    for (int i = 0; i < rows; ++i) {
        for (int j = 0; j < columns; ++j) {
            if (complex)
                std::snprintf(number, sizeof number, "(%.4f, %.4f) ", value(random), value(random));
            else
                std::snprintf(number, sizeof number, "%.4f ", value(random));
            text += number;
        }
        text += "\r\n";
    }
    return text;
}


void Run(ScriptRunner& runner, const std::vector<std::string>& lines) {
    for (const std::string& line : lines)
        runner.RunLine(line);
}

void Report(const char* what, double seconds) {
    std::printf("%-48s %8.3f s\n", what, seconds);
}

struct OperatorCase {
    const char* name;
    std::vector<std::string> setup; // untimed
    std::vector<std::string> timed;
};

void TimeOperators(const char* mode, const std::string& file, std::ofstream& sink) {
    const std::vector<OperatorCase> cases = {
        {"Sgn", {}, {"press Sgn"}},
        {"Abs", {}, {"press Abs"}},
        {"Int", {}, {"press Int"}},
        {"Trn", {}, {"press Trn"}},
        {"Inv", {}, {"press Inv"}},
        {"Pow 3", {"input \"3\""}, {"press Pow"}},
        {"Add =", {"press Add", "recall A"}, {"press ="}},
        {"Sub =", {"press Sub", "recall A"}, {"press ="}},
        {"Mul = (Matrix)", {"press Mul", "recall A"}, {"press ="}},
        {"Mul = (Scalar, 1 x 1)",
         {"press Proc", "pick \"Set Multiply:Scalar\"", "press Mul CE", "type \"2\"", "press SE"},
         {"press ="}},
        {"Mul = (Schur)",
         {"press Proc", "pick \"Set Multiply:Schurr\"", "press Mul", "recall A"},
         {"press ="}},
        {"Mul = (Kronecker, by 2 x 2)",
         {"press Proc", "pick \"Set Multiply:Kronecker\"", "press Mul CE", "type \"1 2\\n3 4\"",
          "press SE"},
         {"press ="}},
        {"Div =", {"press Div", "recall A"}, {"press ="}},
    };
    for (const OperatorCase& c : cases) {
        ScriptRunner runner(sink);
        std::vector<std::string> prepare = {"paste-file " + file, "press SE", "store A"};
        if (std::string(mode) == "complex")
            prepare.insert(prepare.begin(), {"press Mode", "pick \"Complex\""});
        Run(runner, prepare);
        Run(runner, c.setup);
        const double seconds = Seconds([&] { Run(runner, c.timed); });
        const std::string label = std::string(mode) + " 300 x 300: " + c.name;
        Report(label.c_str(), seconds);
    }
}

} // namespace

int main() {
    const std::filesystem::path directory =
        std::filesystem::temp_directory_path() / ("zt-bench-" + std::to_string(getpid()));
    std::filesystem::create_directories(directory);
    std::filesystem::current_path(directory);
    std::mt19937 random(7);
    std::ofstream("big.txt") << RandomMatrixText(1000, 1000, false, random);
    std::ofstream("real300.txt") << RandomMatrixText(300, 300, false, random);
    std::ofstream("complex300.txt") << RandomMatrixText(300, 300, true, random);
    std::ofstream sink("transcript.out");

    {
        ScriptRunner runner(sink);
        double paste = 0, set = 0, show = 0;
        paste = Seconds([&] { runner.RunLine("paste-file big.txt"); });
        set = Seconds([&] { runner.RunLine("press SE"); });
        show = Seconds([&] { runner.RunLine("show"); });
        Report("1000 x 1000: paste-file", paste);
        Report("1000 x 1000: SE", set);
        Report("1000 x 1000: show", show);
        Report("1000 x 1000: paste-file + SE + show", paste + set + show);
    }
    TimeOperators("real", "real300.txt", sink);
    TimeOperators("complex", "complex300.txt", sink);

    std::filesystem::current_path(directory.parent_path());
    std::filesystem::remove_all(directory);
    return 0;
}
