#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "matrixlib/elements.h"

namespace {

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
    EXPECT_FALSE(std::signbit(IntegerPart(-0.5)));
}

TEST(ApplyToElements, VisitsEveryElementOfAnyShape) {
    NEWMAT::Matrix m(2, 3);
    m << 1.5 << -2.5 << 3.9 << -4.1 << 5 << 1e10 + 0.5;
    TruncateElements(m);
    const double expected[] = {1, -2, 3, -4, 5, 1e10};
    for (int k = 0; k < 6; ++k)
        EXPECT_EQ(m(k / 3 + 1, k % 3 + 1), expected[k]) << k;
    ApplyToElements(m, [](double x) { return x * 2; });
    EXPECT_EQ(m(2, 3), 2e10);
}

} // namespace
