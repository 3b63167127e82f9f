#include "platform/large_blocks.h"

#include <malloc.h>
#include <sys/mman.h>
#include <sys/resource.h>

#include <cstdint>
#include <cstdlib>

#if defined(__has_feature)
#define ZT_HAS_FEATURE(feature) __has_feature(feature)
#else
#define ZT_HAS_FEATURE(feature) 0
#endif

namespace {

#if defined(__SANITIZE_ADDRESS__) || ZT_HAS_FEATURE(address_sanitizer) || \
    ZT_HAS_FEATURE(memory_sanitizer)
constexpr bool kSanitizedAllocator = true;
#else
constexpr bool kSanitizedAllocator = false;
#endif

constexpr int kLargestMapped = 512 << 20;
// Address space the heap grows into at once and marks for huge pages. It
// costs no memory until it is used, and stays the heap's free top.
constexpr std::size_t kHugePageHeap = std::size_t{256} << 20;
constexpr std::uintptr_t kHugePage = std::uintptr_t{2} << 20;

bool AddressSpaceLimited() {
    rlimit limit{};
    return getrlimit(RLIMIT_AS, &limit) != 0 || limit.rlim_cur != RLIM_INFINITY;
}

// The heap is grown by one large block that is freed at once: with the
// thresholds above it stays the heap's top, from which later blocks are
// cut, and the whole huge pages inside it are marked.
void MarkHeapForHugePages() {
    // Under a limit the reserve would count against it.
    if (AddressSpaceLimited()) return;
    void* block = std::malloc(kHugePageHeap);
    if (!block) return;
    const auto start = reinterpret_cast<std::uintptr_t>(block);
    const std::uintptr_t begin = (start + kHugePage - 1) & ~(kHugePage - 1);
    const std::uintptr_t end = (start + kHugePageHeap) & ~(kHugePage - 1);
    // Where the system has no huge pages this fails and nothing changes.
    if (end > begin) madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);
    std::free(block);
}

} // namespace

void KeepLargeBlocksForReuse() {
    mallopt(M_MMAP_THRESHOLD, kLargestMapped);
    mallopt(M_TRIM_THRESHOLD, kLargestMapped);
}

void PlaceLargeBlocksOnHugePages() {
    KeepLargeBlocksForReuse();
    // A sanitizer's allocator keeps freed blocks apart: the reserve would
    // only be held there.
    if (!kSanitizedAllocator) MarkHeapForHugePages();
}
