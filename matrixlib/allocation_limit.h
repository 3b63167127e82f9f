#pragma once
// The one rule on how large a matrix may be made. Creations, register loads
// and document reads ask it before allocating, so an absurd size is refused
// instead of being handed to the allocator (on Linux an oversized allocation
// can succeed and then kill the program when its pages are touched).

#include <optional>

namespace ztmath {

// Whether a rows x columns matrix of doubles may be allocated: both counts
// whole, finite and not negative, at most 2^31 - 1 elements, and the elements
// (8 bytes each) within half of the machine's physical memory and, under an
// address-space limit (RLIMIT_AS), within half of what the limit leaves
// beside what the process has mapped already: a matrix is copied, shown or
// combined with another soon after it is made.
bool MatrixSizeAllowed(double rows, double columns);

// The physical memory of this machine in bytes (0 when it cannot be told).
unsigned long long PhysicalMemoryBytes();

// Bytes the address-space limit leaves beside what is mapped; none (nullopt)
// when there is no limit or it cannot be told.
std::optional<unsigned long long> AddressSpaceLeftBytes();

} // namespace ztmath
