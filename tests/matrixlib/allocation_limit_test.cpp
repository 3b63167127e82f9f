// The allocation limit under an address-space limit: what the limit leaves
// beside the mappings decides, not the machine's memory alone.

#include "matrixlib/allocation_limit.h"
#include "tests/support/address_space_limit.h"

#include <gtest/gtest.h>

TEST(AllocationLimit, FollowsTheAddressSpaceLimit) {
    if (!kAddressSpaceLimitUsable) GTEST_SKIP() << "no address-space limit under ASan";
    EXPECT_TRUE(PassesUnderAddressSpaceLimit(1ULL << 30, [] {
        const std::optional<unsigned long long> left = ztmath::AddressSpaceLeftBytes();
        // 20000 x 20000 is 3.2 GB, 9000 x 9000 is 648 MB: more than half of
        // the 1 GiB left; 4000 x 4000 (128 MB) fits.
        return left && *left <= (1ULL << 30) && !ztmath::MatrixSizeAllowed(20000, 20000) &&
               !ztmath::MatrixSizeAllowed(9000, 9000) && ztmath::MatrixSizeAllowed(4000, 4000);
    }));
    EXPECT_FALSE(ztmath::MatrixSizeAllowed(-1, 2));
    EXPECT_FALSE(ztmath::MatrixSizeAllowed(65536, 65536)); // beyond 2^31 - 1 elements
}
