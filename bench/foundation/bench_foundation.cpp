// Times the matrix text writers and readers on large matrices, and register
// file saves and loads. Run from a writable directory: it writes and removes
// "RegBench" there.

#include "archive/matrix_file.h"
#include "archive/register_file.h"
#include "matrixtext/matrix_text.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;

// The best of three runs: the machine is shared, and the slower runs measure
// the neighbours rather than the code.
template <typename Work> double Seconds(Work work) {
    double best = 1e300;
    for (int run = 0; run < 3; ++run) {
        const auto start = Clock::now();
        work();
        best = std::min(best, std::chrono::duration<double>(Clock::now() - start).count());
    }
    return best;
}

NEWMAT::Matrix RandomMatrix(int rows, int columns) {
    std::mt19937_64 random(1);
    std::uniform_real_distribution<double> value(-1000, 1000);
    NEWMAT::Matrix m(rows, columns);
    for (int i = 0; i < rows * columns; ++i)
        m.Store()[i] = value(random);
    return m;
}

struct FixedTimes {
    double format;
    double parse;
};

FixedTimes TextFigures(int n) {
    const NEWMAT::Matrix m = RandomMatrix(n, n);
    std::string fixed;
    std::string exponential;
    std::string complex;
    NEWMAT::Matrix back;
    const double formatFixed = Seconds([&] { fixed = FormatFixed(m, 4, 2, 10); });
    const double parseReal = Seconds([&] { back = ParseReal(fixed); });
    const double formatExponential = Seconds([&] { exponential = FormatExponential(m, 4, 3); });
    const double parseExponent = Seconds([&] { back = ParseRealExponent(exponential); });
    std::string aligned;
    const double formatAligned =
        Seconds([&] { aligned = FormatFixed(m, 4, 2, 10, ColumnLayout::Aligned); });
    const double formatComplex = Seconds([&] { complex = FormatComplex(m, 0, 2); });
    const double parseComplex = Seconds([&] { back = ParseComplex(complex); });
    std::printf("%d x %d  FormatFixed %.3f s  ParseReal %.3f s  (%.1f MB)\n", n, n, formatFixed,
                parseReal, fixed.size() / 1e6);
    std::printf("%d x %d  FormatFixed with aligned columns %.3f s  (%.1f MB)\n", n, n,
                formatAligned, aligned.size() / 1e6);
    std::printf("%d x %d  FormatExponential %.3f s  ParseRealExponent %.3f s\n", n, n,
                formatExponential, parseExponent);
    std::printf("%d x %d  FormatComplex %.3f s  ParseComplex %.3f s\n", n, n, formatComplex,
                parseComplex);
    return {formatFixed, parseReal};
}

void RegisterFigures(int n) {
    const NEWMAT::Matrix m = RandomMatrix(n, n);
    PackedMatrix packed;
    PackMatrix(m, packed);
    const char* file = "RegBench";
    const double save = Seconds([&] { WriteRegisterFile(file, packed); });
    const double load = Seconds([&] { ReadRegisterFile(file, packed); });
    NEWMAT::Matrix back;
    const double saveMatrix = Seconds([&] { SaveMatrixFile(m, file); });
    const double loadMatrix = Seconds([&] { back = LoadMatrixFile(file); });
    std::remove(file);
    std::printf("%d x %d register file  write %.1f ms  read %.1f ms  "
                "SaveMatrixFile %.1f ms  LoadMatrixFile %.1f ms\n",
                n, n, 1e3 * save, 1e3 * load, 1e3 * saveMatrix, 1e3 * loadMatrix);
}

} // namespace

int main() {
    const FixedTimes small = TextFigures(1000);
    const FixedTimes large = TextFigures(2000);
    // Linear time doubles the side and quadruples the work: a ratio near 4.
    std::printf("2000 / 1000 time ratio  FormatFixed %.1f  ParseReal %.1f\n",
                large.format / small.format, large.parse / small.parse);
    RegisterFigures(1000);
    return 0;
}
