// Times the evaluator's heavy paths: start-up with all 26 registers holding
// 200 x 200 matrices, and the line "C = A * B" on 300 x 300 registers,
// both inside the process and as the zteval program beside this one.
// Targets: start-up under 0.2 s, the product line under 0.5 s.

#include "archive/register_file.h"
#include "archive/register_names.h"
#include "evaluator/evaluator_session.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

void WriteRandomRegister(const fs::path& file, int n, std::mt19937& random) {
    std::uniform_real_distribution<double> element(-1.0, 1.0);
    PackedMatrix packed = {static_cast<double>(n), static_cast<double>(n)};
    for (int i = 0; i < n * n; ++i)
        packed.push_back(element(random));
    if (WriteRegisterFile(file.string(), packed) != RegisterFileResult::Ok) {
        std::fprintf(stderr, "cannot write %s\n", file.c_str());
        std::exit(1);
    }
}

template <typename Work> double BestSeconds(int repeats, Work work) {
    std::vector<double> times;
    for (int i = 0; i < repeats; ++i) {
        const auto start = std::chrono::steady_clock::now();
        work();
        times.push_back(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    return *std::min_element(times.begin(), times.end());
}

double InProcess(const fs::path& folder, const std::string& input, int repeats) {
    return BestSeconds(repeats, [&] {
        std::istringstream in(input);
        std::ostringstream out;
        RunEvaluator(in, out, folder);
    });
}

double AsProgram(const fs::path& program, const fs::path& folder, const std::string& input,
                 int repeats) {
    const fs::path inputFile = folder / "bench-input.txt";
    std::ofstream(inputFile) << input;
    const std::string command =
        "cd '" + folder.string() + "' && '" + program.string() + "' < bench-input.txt > /dev/null";
    return BestSeconds(repeats, [&] {
        if (std::system(command.c_str()) != 0) std::fprintf(stderr, "zteval failed\n");
    });
}

void Report(const char* what, double seconds, double limit) {
    std::printf("%-52s %8.4f s  (limit %.1f s)%s\n", what, seconds, limit,
                seconds < limit ? "" : "  TOO SLOW");
}

} // namespace

int main(int, char** argv) {
    const fs::path program = fs::absolute(argv[0]).parent_path() / "zteval";
    const fs::path folder = fs::temp_directory_path() / "zteval-bench";
    fs::remove_all(folder);
    fs::create_directories(folder);
    std::mt19937 random(20261206);
    const int repeats = 5;

    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        WriteRandomRegister(folder / RegisterFileName(letter), 200, random);
    }
    const std::string quit = "quit\nn\n";
    Report("start-up, 26 registers of 200 x 200 (in process)", InProcess(folder, quit, repeats),
           0.2);
    Report("start-up, 26 registers of 200 x 200 (zteval)",
           AsProgram(program, folder, quit, repeats), 0.2);

    fs::remove_all(folder);
    fs::create_directories(folder);
    WriteRandomRegister(folder / "RegA", 300, random);
    WriteRandomRegister(folder / "RegB", 300, random);
    const std::string product = "C = A * B\nquit\nn\n";
    const double startup = InProcess(folder, quit, repeats);
    const double whole = InProcess(folder, product, repeats);
    Report("C = A * B, 300 x 300, shown (in process)", whole - startup, 0.5);
    Report("C = A * B, 300 x 300, whole run (zteval)", AsProgram(program, folder, product, repeats),
           0.5);

    fs::remove_all(folder);
    return 0;
}
