#pragma once
// For the targets whose inputs may ask for matrices by size (a creation
// prompt answered "20000"): while an AllocationCap lives, every allocation
// above 512 KB fails with std::bad_alloc, as it would on a machine without
// the memory. The program must report "Not enough memory" and carry on, and
// the fuzzer never spends seconds building a matrix the user legitimately
// asked for. Outside it (libFuzzer's own work) allocations are not capped.

class AllocationCap {
  public:
    AllocationCap();
    ~AllocationCap();
    AllocationCap(const AllocationCap&) = delete;
    AllocationCap& operator=(const AllocationCap&) = delete;
};
