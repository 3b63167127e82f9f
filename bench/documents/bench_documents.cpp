// Times documents, the text export and the printed pages on large matrices.
// Run from a writable directory: it writes and removes "bench.mtx" there.

#include "archive/safe_save.h"
#include "operations/documents/document_format.h"
#include "operations/documents/print_layout.h"
#include "operations/documents/text_export.h"
#include "bench/bench_timing.h"

#include <algorithm>
#include <cstdio>
#include <random>
#include <string>

namespace {



} // namespace

int main() {
    constexpr char kFile[] = "bench.mtx";
    for (const int n : {300, 1000}) {
        const NEWMAT::Matrix m = RandomMatrix(n, n);
        std::string text;
        const double write = BestOfThreeSeconds([&] {
            text = MatrixDocumentText(m);
            SaveFileSafely(kFile, text);
        });
        NEWMAT::Matrix back;
        const double read = BestOfThreeSeconds([&] { ReadMatrixDocumentFile(kFile, back); });
        const double exportText = BestOfThreeSeconds([&] { text = MatrixExportText(m); });
        PageMetrics metrics;
        metrics.width = 800;
        metrics.height = 1050;
        metrics.averageCharWidth = 8;
        metrics.textWidth = [](const std::string& t) { return 8 * static_cast<int>(t.size()); };
        std::size_t pages = 0;
        const double layout =
            BestOfThreeSeconds([&] { pages = LayOutPrintedPages(m, kFile, PrintFormat{}, metrics).size(); });
        std::printf(
            "%4d x %-4d  save %.3f s  open %.3f s  export %.3f s  pages %.3f s (%zu pages)\n", n, n,
            write, read, exportText, layout, pages);
    }
    std::remove(kFile);
    return 0;
}
