// Times File > Import and File > Export of a 2000 x 2000 .npy file and the
// import of a 1000 x 1000 CSV file. Run from a writable directory: it writes
// "bench_interchange.npy" and "bench_interchange.csv" there and removes them,
// unless given --keep, so that numpy can be timed on the same files:
//   python3 -c "import numpy as np, timeit; print(min(timeit.repeat(
//     lambda: np.load('bench_interchange.npy'), number=1, repeat=3)))"
// (likewise np.save of the loaded array, and np.loadtxt(..., delimiter=',')).

#include "bench/bench_timing.h"
#include "interchange/exchange_files.h"

#include <cstdio>
#include <cstring>
#include <string>

int main(int argc, char** argv) {
    const bool keep = argc > 1 && std::strcmp(argv[1], "--keep") == 0;
    const std::string npy = "bench_interchange.npy";
    const std::string csv = "bench_interchange.csv";

    const NEWMAT::Matrix large = RandomMatrix(2000, 2000);
    std::string error;
    const double save = BestOfThreeSeconds([&] { error = ExportMatrixFile(npy, large, false); });
    // Each import makes its matrix and lets it go, as np.load's array is
    // made and dropped when timed.
    std::string refused;
    const double load = BestOfThreeSeconds([&] { refused = ImportMatrixFile(npy).error; });
    if (!error.empty() || !refused.empty()) {
        std::fprintf(stderr, "bench_interchange: .npy failed: %s%s\n", error.c_str(), refused.c_str());
        return 1;
    }
    std::printf("2000 x 2000 .npy  export %.4f s  import %.4f s\n", save, load);

    const NEWMAT::Matrix table = RandomMatrix(1000, 1000);
    error = ExportMatrixFile(csv, table, false);
    const double loadCsv = BestOfThreeSeconds([&] { refused = ImportMatrixFile(csv).error; });
    if (!error.empty() || !refused.empty()) {
        std::fprintf(stderr, "bench_interchange: CSV failed: %s%s\n", error.c_str(), refused.c_str());
        return 1;
    }
    std::printf("1000 x 1000 CSV   import %.4f s\n", loadCsv);
    if (!keep) {
        std::remove(npy.c_str());
        std::remove(csv.c_str());
    }
    return 0;
}
