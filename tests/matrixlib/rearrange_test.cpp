#include "tests/matrixlib/matrix_checks.h"

// Plain sorts, flips and reshapes are pinned by the structural transcript.
TEST(Rearrange, Sorting) {
    // NaN sorts last instead of breaking the ordering.
    Matrix n = Mat({{NAN, 2, -INFINITY, 1, NAN, 0}});
    QuickSort(n);
    EXPECT_EQ(n(1, 1), -INFINITY);
    EXPECT_EQ(n(1, 4), 2.0);
    EXPECT_TRUE(std::isnan(n(1, 5)) && std::isnan(n(1, 6)));
    Matrix keyed = Mat({{10, 11}, {20, 21}, {30, 31}, {40, 41}});
    SetRowOrder(keyed, Mat({{0}, {3}, {1}, {1}})); // stable for equal keys
    EXPECT_MATRIX_NEAR(keyed, Mat({{10, 11}, {30, 31}, {40, 41}, {20, 21}}), 0.0);
    EXPECT_THROW(SetRowOrder(keyed, Mat({{1, 2}})), ztmath::MathError);
}

TEST(Rearrange, TruncateCutsTowardZero) {
    Matrix t = Mat({{3.14159, -2.71828, 0.29, 1e300, 12.5, NAN}});
    Truncate(t, 2);
    EXPECT_MATRIX_NEAR(t.Columns(1, 5), Mat({{3.14, -2.71, 0.29, 1e300, 12.5}}), 1e-15);
    EXPECT_EQ(t(1, 3), 0.29); // not 0.28 from 28.999999999999996
    EXPECT_TRUE(std::isnan(t(1, 6)));
    Truncate(t, 0);
    EXPECT_MATRIX_NEAR(t.Columns(1, 5), Mat({{3, -2, 0, 1e300, 12}}), 0.0);
}
