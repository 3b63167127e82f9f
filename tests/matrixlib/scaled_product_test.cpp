#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>

#include "matrixlib/scaled_product.h"

namespace {

double Product(std::initializer_list<double> factors, double x = 1.0) {
    ScaledProduct p;
    for (const double factor : factors)
        p.MultiplyBy(factor);
    return p.Scale(x);
}

// Partial products far outside the double range must not change a result
// that is inside it.
TEST(ScaledProduct, PartialProductsOutOfRangeStillGiveTheProduct) {
    const double tiniest = std::ldexp(1.0, -1074); // a subnormal factor
    EXPECT_EQ(
        Product({std::ldexp(1.0, 1000), std::ldexp(1.0, 1000), tiniest, std::ldexp(1.0, -400)}),
        std::ldexp(1.0, 526));
    EXPECT_NEAR(Product({1e-200, 1e-200}, 1e300), 1e-100, 1e-114); // 1e-400 alone underflows
    EXPECT_EQ(Product({-3.0, 0.5, 4.0}), -6.0);
    EXPECT_EQ(Product({1e300, 1e300}), HUGE_VAL);
    EXPECT_EQ(Product({1e-300, 1e-300}), 0.0);
    EXPECT_EQ(Product({5.0, 0.0, 1e300}), 0.0);
    EXPECT_TRUE(std::isnan(Product({2.0, std::nan("")})));
}

} // namespace
