// What the factorisation and spectral rows show for known matrices, and a
// singular LU that stores nothing, are pinned by their transcripts, the
// mathematics by the library's tests; here the series report's count.

#include <gtest/gtest.h>

#include "operations/procedures/spectral.h"

TEST(SeriesMessage, ACountOfOneHundredHasNotConverged) {
    const struct {
        int count;
        const char* text;
    } cases[] = {
        {1, "Series converged after 0 iterations"},
        {99, "Series converged after 98 iterations"},
        {100, "Series failed to converge after 99 iterations"},
        {101, "Series failed to converge after 100 iterations"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SeriesMessage(c.count), c.text) << c.count;
}
