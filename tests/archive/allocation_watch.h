#pragma once
// Every allocation of the archive test program passes through a counting
// operator new, so a test can see how much a damaged header made a loader ask for.

#include <cstddef>

void ResetLargestAllocation();
std::size_t LargestAllocation(); // the largest block requested since the reset
