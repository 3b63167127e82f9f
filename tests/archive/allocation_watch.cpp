#include "allocation_watch.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {
std::atomic<std::size_t> largest{0};
std::atomic<std::size_t> ceiling{0};
} // namespace

void* operator new(std::size_t size) {
    std::size_t seen = largest;
    while (size > seen && !largest.compare_exchange_weak(seen, size)) {
    }
    if (ceiling != 0 && size > ceiling) throw std::bad_alloc();
    if (void* block = std::malloc(size == 0 ? 1 : size)) return block;
    throw std::bad_alloc();
}
void operator delete(void* block) noexcept {
    std::free(block);
}
void operator delete(void* block, std::size_t) noexcept {
    std::free(block);
}

void ResetLargestAllocation() {
    largest = 0;
}
std::size_t LargestAllocation() {
    return largest;
}
void SetAllocationCeiling(std::size_t bytes) {
    ceiling = bytes;
}
