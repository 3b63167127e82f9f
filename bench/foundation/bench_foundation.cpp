// Times the matrix text writers and readers on large matrices, and register
// file saves and loads. Run from a writable directory: it writes and removes
// "RegBench" there.

#include "tests/support/matrix_files.h"
#include "archive/register_file.h"
#include "matrixtext/matrix_text.h"
#include "bench/bench_timing.h"

#include <algorithm>
#include <cstdio>
#include <random>
#include <string>

namespace {



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
    const double formatFixed = BestOfThreeSeconds([&] { fixed = FormatFixed(m, 4, 2, 10); });
    const double parseReal = BestOfThreeSeconds([&] { back = ParseReal(fixed); });
    const double formatExponential = BestOfThreeSeconds([&] { exponential = FormatExponential(m, 4, 3); });
    const double parseExponent = BestOfThreeSeconds([&] { back = ParseRealExponent(exponential); });
    std::string aligned;
    const double formatAligned =
        BestOfThreeSeconds([&] { aligned = FormatFixed(m, 4, 2, 10, ColumnLayout::Aligned); });
    const double formatComplex = BestOfThreeSeconds([&] { complex = FormatComplex(m, 0, 2); });
    const double parseComplex = BestOfThreeSeconds([&] { back = ParseComplex(complex); });
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
    const double save = BestOfThreeSeconds([&] { WriteRegisterFile(file, packed); });
    const double load = BestOfThreeSeconds([&] { ReadRegisterFile(file, packed); });
    NEWMAT::Matrix back;
    const double saveMatrix = BestOfThreeSeconds([&] { SaveMatrixFile(m, file); });
    const double loadMatrix = BestOfThreeSeconds([&] { back = LoadMatrixFile(file); });
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
