// Times documents, the text export and the printed pages on large matrices.
// Run from a writable directory: it writes and removes "bench.mtx" there.

#include "archive/safe_save.h"
#include "documents/document_format.h"
#include "documents/print_layout.h"
#include "documents/text_export.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;

// The best of three runs: the machine is shared.
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

} // namespace

int main() {
    constexpr char kFile[] = "bench.mtx";
    for (const int n : {300, 1000}) {
        const NEWMAT::Matrix m = RandomMatrix(n, n);
        std::string text;
        const double write = Seconds([&] {
            text = MatrixDocumentText(m);
            SaveFileSafely(kFile, text);
        });
        NEWMAT::Matrix back;
        const double read = Seconds([&] { ReadMatrixDocumentFile(kFile, back); });
        const double exportText = Seconds([&] { text = MatrixExportText(m); });
        PageMetrics metrics;
        metrics.width = 800;
        metrics.height = 1050;
        metrics.averageCharWidth = 8;
        metrics.textWidth = [](const std::string& t) { return 8 * static_cast<int>(t.size()); };
        std::size_t pages = 0;
        const double layout =
            Seconds([&] { pages = LayOutPrintedPages(m, kFile, PrintFormat{}, metrics).size(); });
        std::printf(
            "%4d x %-4d  save %.3f s  open %.3f s  export %.3f s  pages %.3f s (%zu pages)\n", n, n,
            write, read, exportText, layout, pages);
    }
    std::remove(kFile);
    return 0;
}
