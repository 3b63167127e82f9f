#include "tests/matrixlib/matrix_checks.h"

TEST(Rearrange, MirrorsAndRowSwap) {
    Matrix m = Mat({{1, 2, 3}, {4, 5, 6}});
    Flip(m);
    Flop(m);
    Srow(m, 2, 1);
    EXPECT_MATRIX_NEAR(m, Mat({{3, 2, 1}, {6, 5, 4}}), 0.0);
    EXPECT_THROW(Srow(m, 0, 1), ztmath::MathError);
    EXPECT_THROW(Srow(m, 1, 3), ztmath::MathError);
}

TEST(Rearrange, Sorting) {
    Matrix m = Mat({{3, -1, 2}, {9, 0, -5}});
    Matrix all = m;
    QuickSort(all);
    EXPECT_MATRIX_NEAR(all, Mat({{-5, -1, 0}, {2, 3, 9}}), 0.0);
    SortRow(m);
    EXPECT_MATRIX_NEAR(m, Mat({{-1, 2, 3}, {-5, 0, 9}}), 0.0);
    // NaN sorts last instead of breaking the ordering.
    Matrix n = Mat({{NAN, 2, -INFINITY, 1, NAN, 0}});
    QuickSort(n);
    EXPECT_EQ(n(1, 1), -INFINITY);
    EXPECT_EQ(n(1, 4), 2.0);
    EXPECT_TRUE(std::isnan(n(1, 5)) && std::isnan(n(1, 6)));
    // Large input in O(N log N).
    Matrix big = Sample(300, 300, 77);
    QuickSort(big);
    for (int k = 2; k <= 90000; ++k)
        ASSERT_LE(big.Store()[k - 2], big.Store()[k - 1]);
}

TEST(Rearrange, ShapeTruncateAndSquareRoot) {
    Matrix m = Mat({{1, 2, 3, 4, 5, 6}});
    Shape(m, 4); // 4 does not divide 6
    EXPECT_EQ(m.Nrows(), 1);
    Shape(m, 0);
    EXPECT_EQ(m.Nrows(), 1);
    Shape(m, 2);
    EXPECT_MATRIX_NEAR(m, Mat({{1, 2, 3}, {4, 5, 6}}), 0.0);
    Shape(m, 6);
    EXPECT_MATRIX_NEAR(m, Mat({{1}, {2}, {3}, {4}, {5}, {6}}), 0.0);

    Matrix t = Mat({{3.14159, -2.71828, 0.29, 1e300, 12.5}});
    Truncate(t, 2);
    EXPECT_MATRIX_NEAR(t, Mat({{3.14, -2.71, 0.29, 1e300, 12.5}}), 1e-15);
    EXPECT_EQ(t(1, 3), 0.29); // not 0.28 from 28.999999999999996
    Truncate(t, 0);
    EXPECT_MATRIX_NEAR(t, Mat({{3, -2, 0, 1e300, 12}}), 0.0);
    Matrix odd = Mat({{NAN, INFINITY}});
    Truncate(odd, 3);
    EXPECT_TRUE(std::isnan(odd(1, 1)));
    EXPECT_EQ(odd(1, 2), INFINITY);

    Matrix r = Mat({{4, 2.25, 0}});
    SquareRoot(r);
    EXPECT_MATRIX_NEAR(r, Mat({{2, 1.5, 0}}), 0.0);
}

TEST(Rearrange, SetRowOrderIsStable) {
    Matrix m = Mat({{10, 11}, {20, 21}, {30, 31}, {40, 41}});
    SetRowOrder(m, Mat({{0}, {3}, {1}, {1}}));
    EXPECT_MATRIX_NEAR(m, Mat({{10, 11}, {30, 31}, {40, 41}, {20, 21}}), 0.0);
    SetRowOrder(m, Mat({{2, 2, 2, 1}})); // a row vector of keys also works
    EXPECT_MATRIX_NEAR(m, Mat({{20, 21}, {10, 11}, {30, 31}, {40, 41}}), 0.0);
    EXPECT_THROW(SetRowOrder(m, Mat({{1, 2}})), ztmath::MathError);
}
