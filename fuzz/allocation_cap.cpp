// The cap replaces the plain and array forms of operator new and delete,
// each with its nothrow form, so that no block is freed by an allocator that
// did not make it.

#include "fuzz/allocation_cap.h"

#include <cstddef>
#include <cstdlib>
#include <new>

namespace {

constexpr std::size_t kLargestBlock = 512 * 1024;

bool capped = false;

void* Allocate(std::size_t size) noexcept {
    if (capped && size > kLargestBlock) return nullptr;
    return std::malloc(size == 0 ? 1 : size);
}

void* AllocateOrThrow(std::size_t size) {
    void* block = Allocate(size);
    if (block == nullptr) throw std::bad_alloc();
    return block;
}

} // namespace

AllocationCap::AllocationCap() {
    capped = true;
}

AllocationCap::~AllocationCap() {
    capped = false;
}

void* operator new(std::size_t size) { return AllocateOrThrow(size); }
void* operator new[](std::size_t size) { return AllocateOrThrow(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return Allocate(size); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return Allocate(size); }
void operator delete(void* block) noexcept { std::free(block); }
void operator delete[](void* block) noexcept { std::free(block); }
void operator delete(void* block, std::size_t) noexcept { std::free(block); }
void operator delete[](void* block, std::size_t) noexcept { std::free(block); }
void operator delete(void* block, const std::nothrow_t&) noexcept { std::free(block); }
void operator delete[](void* block, const std::nothrow_t&) noexcept { std::free(block); }
