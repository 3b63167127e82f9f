#include "matrixlib/column_halves.h"

#include <system_error>
#include <thread>

namespace ztmath::detail {

namespace {

// Shorter rows are done before a thread would have started.
constexpr int kLeastColumnsToSplit = 128;
// Halves start on a multiple of this many doubles (a cache line).
constexpr int kAlignment = 8;

} // namespace

void ForColumnHalves(int columns, const std::function<void(int, int)>& work) {
    if (columns < kLeastColumnsToSplit || std::thread::hardware_concurrency() < 2) {
        work(0, columns);
        return;
    }
    const int middle = columns / 2 / kAlignment * kAlignment;
    std::thread second;
    try {
        second = std::thread(work, middle, columns);
    } catch (const std::system_error&) {
        // No thread to be had: the whole range runs here.
        work(0, columns);
        return;
    }
    work(0, middle);
    second.join();
}

} // namespace ztmath::detail
