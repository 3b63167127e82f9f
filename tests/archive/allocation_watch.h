#pragma once
// Every allocation of the archive test program passes through a counting
// operator new, so a test can see how much a damaged header made a loader ask
// for, and can make large allocations fail as they do when memory runs out.

#include <cstddef>

void ResetLargestAllocation();
std::size_t LargestAllocation(); // the largest block requested since the reset

// Blocks larger than `bytes` throw std::bad_alloc from now on; 0 lifts the ceiling.
void SetAllocationCeiling(std::size_t bytes);
