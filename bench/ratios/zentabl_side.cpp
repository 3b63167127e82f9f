// The Zentabl side of bench/ratios/run: writes the shared data into the
// folder given, then times each heavy path on it and prints one line per
// figure, "name<TAB>median seconds". With "memory" as second argument it
// instead sets a 2000 x 2000 text once and prints the rise of the peak
// resident size and the text and matrix sizes, in bytes.

#include "tests/support/matrix_files.h"
#include "evaluator/function_table.h"
#include "evaluator/matrix_operations.h"
#include "matrixlib/ztmath.h"
#include "platform/large_blocks.h"
#include "scripting/script_runner.h"

#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <string>
#include <thread>
#include <vector>

using NEWMAT::Matrix;

namespace {

// Every figure is the median of this many timings after one untimed run
// that pages the data in and lets the heap reach its working size
// (numpy_side.py times its side alike): a 2-core machine shares its cores
// with whatever else runs, and OpenBLAS's threads feel it.
constexpr int kRuns = 9;
// Spreads the runs of a figure that takes a moment only.
constexpr std::chrono::milliseconds kShortFigurePause{30};

// A figure's work, and what runs untimed before each timing of it.
struct Timed {
    std::function<void()> prepare;
    std::function<void()> work;
};

double Seconds(const Timed& figure) {
    figure.prepare();
    const auto start = std::chrono::steady_clock::now();
    figure.work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

double MedianOf(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// Medians of figures timed in turns: one untimed round, then kRuns rounds
// that time each figure in turn, so that a spell of load from elsewhere
// weighs on figures that are compared with each other alike. The pause
// follows each round.
std::vector<double> WarmMediansInTurns(const std::vector<Timed>& figures,
                                       std::chrono::milliseconds pause = {}) {
    for (const Timed& figure : figures)
        Seconds(figure);
    std::vector<std::vector<double>> times(figures.size());
    for (int run = 0; run < kRuns; ++run) {
        for (std::size_t i = 0; i < figures.size(); ++i)
            times[i].push_back(Seconds(figures[i]));
        std::this_thread::sleep_for(pause);
    }
    std::vector<double> medians;
    for (const std::vector<double>& figureTimes : times)
        medians.push_back(MedianOf(figureTimes));
    return medians;
}

double Median(const std::function<void()>& prepare, const std::function<void()>& work) {
    return WarmMediansInTurns({{prepare, work}})[0];
}

void Report(const char* name, double seconds) {
    std::printf("%s\t%.6f\n", name, seconds);
    std::fflush(stdout);
}

// A random matrix whose elements are exactly what its fixed text with four
// decimals reads back as, so that both sides work on the same numbers.
Matrix RandomMatrix(int rows, int cols, unsigned seed, std::string* text = nullptr) {
    std::mt19937_64 random(seed);
    std::uniform_real_distribution<double> value(-100.0, 100.0);
    Matrix m(rows, cols);
    char number[32];
    for (int i = 0; i < rows; ++i) {
        for (int j = 0; j < cols; ++j) {
            std::snprintf(number, sizeof number, "%.4f", value(random));
            m.Store()[static_cast<long>(i) * cols + j] = std::strtod(number, nullptr);
            if (text) {
                if (j > 0) *text += "    ";
                *text += number;
            }
        }
        if (text) *text += "\r\n";
    }
    return m;
}

void WriteDoubles(const std::string& file, const Matrix& m) {
    std::ofstream out(file, std::ios::binary);
    out.write(reinterpret_cast<const char*>(m.Store()),
              static_cast<std::streamsize>(sizeof(double)) * m.Storage());
}

void WriteText(const std::string& file, const std::string& text) {
    std::ofstream(file, std::ios::binary) << text;
}

void RunLines(ScriptRunner& runner, const std::vector<std::string>& lines) {
    for (const std::string& line : lines)
        runner.RunLine(line);
}

// Paste and SE of a text file in a fresh calculator, as zenscript runs them.
Timed SetText(const std::string& file, std::ostream& sink, std::unique_ptr<ScriptRunner>& runner) {
    return {[&sink, &runner] { runner = std::make_unique<ScriptRunner>(sink); },
            [file, &runner] { RunLines(*runner, {"paste-file " + file, "press SE"}); }};
}

long PeakResidentBytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss * 1024L;
}

int Memory() {
    std::string text;
    RandomMatrix(2000, 2000, 9, &text);
    WriteText("fixed2000.txt", text);
    const long textBytes = static_cast<long>(text.size());
    text = std::string(); // the bench's own copy is not the calculator's
    std::ofstream sink("transcript.out");
    ScriptRunner runner(sink);
    const long before = PeakResidentBytes();
    RunLines(runner, {"paste-file fixed2000.txt", "press SE"});
    const long rise = PeakResidentBytes() - before;
    std::printf("peak_rise_bytes\t%ld\ntext_bytes\t%ld\nmatrix_bytes\t%ld\n", rise, textBytes,
                2000L * 2000L * 8L);
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: zt_ratios FOLDER [memory]\n");
        return 2;
    }
    KeepLargeBlocksForReuse(); // as zenscript and zenwin do
    std::filesystem::current_path(argv[1]);
    if (argc > 2 && std::string(argv[2]) == "memory") return Memory();

    const Matrix A = RandomMatrix(1000, 1000, 1);
    const Matrix B = RandomMatrix(1000, 1000, 2);
    const Matrix R = RandomMatrix(500, 500, 3);
    WriteDoubles("a1000.bin", A);
    WriteDoubles("b1000.bin", B);
    WriteDoubles("r500.bin", R);
    std::string text1000, text2000;
    RandomMatrix(1000, 1000, 4, &text1000);
    RandomMatrix(2000, 2000, 5, &text2000);
    WriteText("fixed1000.txt", text1000);
    WriteText("fixed2000.txt", text2000);
    SaveMatrixFile(A, "RegL");

    Matrix M;
    Report("product_1000", Median([&] { M = A; }, [&] { CombineOperands(M, '*', B); }));
    {
        std::ofstream sink("transcript.out");
        ScriptRunner runner(sink);
        RunLines(runner, {"paste-file fixed1000.txt", "press SE", "store A"});
        // The recalled matrix is shown first, so the timed press formats the
        // inverse's text and nothing else.
        Report("inv_1000", Median([&] { RunLines(runner, {"recall A"}); },
                                  [&] { RunLines(runner, {"press Inv"}); }));
    }
    Report("det_1000", Median([&] { M = A; }, [&] { ApplyFunction(*LookupFunction("det"), M); }));
    Report("rank_500", Median([] {}, [&] { Rank(R); }));
    Report("cond_500", Median([] {}, [&] { Condition(R); }));
    NEWMAT::ColumnVector wr, wi;
    Report("eigvals_500", Median([&] { M = R; }, [&] {
               balanc(M);
               elmhes(M);
               hqr(M, wr, wi);
           }));
    const Matrix S = R + R.t();
    NEWMAT::ColumnVector d, e;
    Report("eigvec2_500", Median([&] { M = S; }, [&] {
               TridiagonalReduction(M, d, e);
               TridiagonalQL(d, e, M);
           }));
    {
        std::ofstream sink("transcript.out");
        std::unique_ptr<ScriptRunner> runner;
        const std::vector<double> seconds = WarmMediansInTurns(
            {SetText("fixed1000.txt", sink, runner), SetText("fixed2000.txt", sink, runner)});
        Report("settext_1000", seconds[0]);
        Report("settext_2000", seconds[1]);
    }
    // The load takes a fraction of a millisecond: its runs are spread over a
    // quarter of a second. It loads into a matrix of its own, as numpy makes
    // a new array; assigning to M would add newmat's copy of every element.
    Report("load_1000", WarmMediansInTurns({{[] {}, [] { const Matrix loaded = LoadMatrixFile("RegL"); }}},
                                           kShortFigurePause)[0]);
    return 0;
}
