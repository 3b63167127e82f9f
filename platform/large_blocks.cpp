#include "platform/large_blocks.h"

#include <malloc.h>

void KeepLargeBlocksForReuse() {
    constexpr int kLargestMapped = 512 << 20;
    mallopt(M_MMAP_THRESHOLD, kLargestMapped);
    mallopt(M_TRIM_THRESHOLD, kLargestMapped);
}
