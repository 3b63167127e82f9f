#pragma once
// The one rule on how large a matrix may be made. Creations, register loads
// and document reads ask it before allocating, so an absurd size is refused
// instead of being handed to the allocator (on Linux an oversized allocation
// can succeed and then kill the program when its pages are touched).

namespace ztmath {

// Whether a rows x columns matrix of doubles may be allocated: both counts
// whole, finite and not negative, at most 2^31 - 1 elements, and the elements
// (8 bytes each) within half of the machine's physical memory.
bool MatrixSizeAllowed(double rows, double columns);

// The physical memory of this machine in bytes (0 when it cannot be told).
unsigned long long PhysicalMemoryBytes();

} // namespace ztmath
