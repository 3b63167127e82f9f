#include "matrixlib/allocation_limit.h"

#include <unistd.h>

#include <climits>
#include <cmath>

namespace ztmath {

unsigned long long PhysicalMemoryBytes() {
    const long pages = sysconf(_SC_PHYS_PAGES);
    const long pageSize = sysconf(_SC_PAGE_SIZE);
    if (pages <= 0 || pageSize <= 0) return 0;
    return static_cast<unsigned long long>(pages) * static_cast<unsigned long long>(pageSize);
}

bool MatrixSizeAllowed(double rows, double columns) {
    if (!std::isfinite(rows) || !std::isfinite(columns)) return false;
    if (rows < 0 || columns < 0 || rows != std::floor(rows) || columns != std::floor(columns))
        return false;
    if (rows > INT_MAX || columns > INT_MAX) return false;
    const double elements = rows * columns; // exact: both below 2^31
    if (elements > INT_MAX) return false;
    const unsigned long long memory = PhysicalMemoryBytes();
    // Unknown memory: the element limit alone decides.
    return memory == 0 || elements * 8.0 <= static_cast<double>(memory) / 2.0;
}

} // namespace ztmath
