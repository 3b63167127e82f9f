#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "matrixlib/elements.h"

namespace {

// Every element of a matrix goes through its function in the element-wise
// transcript (the Integer row among them, with -0.5 giving 0, not -0).
TEST(IntegerPart, TruncatesTowardZeroInAndOutOfTheIntRange) {
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        double x;
        double expected;
    } cases[] = {
        {2.75, 2},           {-2.75, -2},          {3e9 + 0.5, 3e9}, {-2147483648.75, -2147483648.0},
        {2147483647.9, 2147483647.0}, {1e300, 1e300}, {-inf, -inf},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IntegerPart(c.x), c.expected) << c.x;
    EXPECT_TRUE(std::isnan(IntegerPart(std::nan(""))));
    EXPECT_FALSE(std::signbit(IntegerPart(-0.0)));
}

} // namespace
