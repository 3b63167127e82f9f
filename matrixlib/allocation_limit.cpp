#include "matrixlib/allocation_limit.h"

#include <sys/resource.h>
#include <unistd.h>

#include <climits>
#include <cmath>
#include <cstdio>

namespace ztmath {

unsigned long long PhysicalMemoryBytes() {
    const long pages = sysconf(_SC_PHYS_PAGES);
    const long pageSize = sysconf(_SC_PAGE_SIZE);
    if (pages <= 0 || pageSize <= 0) return 0;
    return static_cast<unsigned long long>(pages) * static_cast<unsigned long long>(pageSize);
}

std::optional<unsigned long long> AddressSpaceLeftBytes() {
    rlimit limit{};
    if (getrlimit(RLIMIT_AS, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY) return std::nullopt;
    // The first field of statm is the size of every mapping, in pages.
    unsigned long long pages = 0;
    std::FILE* statm = std::fopen("/proc/self/statm", "r");
    if (!statm) return std::nullopt;
    const bool read = std::fscanf(statm, "%llu", &pages) == 1;
    std::fclose(statm);
    const long pageSize = sysconf(_SC_PAGE_SIZE);
    if (!read || pageSize <= 0) return std::nullopt;
    const unsigned long long mapped = pages * static_cast<unsigned long long>(pageSize);
    const auto allowed = static_cast<unsigned long long>(limit.rlim_cur);
    return allowed > mapped ? allowed - mapped : 0;
}

bool MatrixSizeAllowed(double rows, double columns) {
    if (!std::isfinite(rows) || !std::isfinite(columns)) return false;
    if (rows < 0 || columns < 0 || rows != std::floor(rows) || columns != std::floor(columns))
        return false;
    if (rows > INT_MAX || columns > INT_MAX) return false;
    const double elements = rows * columns; // exact: both below 2^31
    if (elements > INT_MAX) return false;
    const double bytes = elements * 8.0;
    const unsigned long long memory = PhysicalMemoryBytes();
    // Unknown memory: the element limit alone decides.
    if (memory != 0 && bytes > static_cast<double>(memory) / 2.0) return false;
    const std::optional<unsigned long long> left = AddressSpaceLeftBytes();
    return !left || bytes <= static_cast<double>(*left) / 2.0;
}

} // namespace ztmath
