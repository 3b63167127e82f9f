#include "tests/matrixlib/matrix_checks.h"

// The rank of a wide matrix and the norms of [3 4] and [1 2; 3 4] are pinned
// by the matrix_tests and norms_radix transcripts.
TEST(Measures, RankCountsSignificantSingularValues) {
    EXPECT_EQ(Rank(Matrix()), 0);
    EXPECT_EQ(Rank(Eye(3) * 0.0), 0);
    EXPECT_EQ(Rank(Mat({{1, 2}, {2, 4}, {3, 7}})), 2); // tall
    EXPECT_EQ(Rank(Hilbert(10, 10)), 10);
    EXPECT_THROW(Rank(Mat({{1, NAN}})), ztmath::MathError);
}

TEST(Measures, RankAndConditionDoNotDependOnTheScale) {
    const Matrix A = Mat({{4, 1, 0.5}, {1, 3, 0.25}, {0.5, 0.25, 2}});
    const Matrix singular = Mat({{1, 2, 3}, {4, 5, 6}, {7, 8, 9}});
    for (double scale : {1e-300, 1e-160, 1.0, 1e160, 1e300}) {
        EXPECT_EQ(Rank(A * scale), 3) << scale;
        EXPECT_EQ(Rank(singular * scale), 2) << scale;
        EXPECT_EQ(Condition(singular * scale), -1.0) << scale;
        EXPECT_NEAR(Condition(A * scale), 2.5145396066130687, 1e-12) << scale;
        EXPECT_EQ(Singular(A * scale), 0) << scale;
        EXPECT_EQ(PositiveDefinite(A * scale), 1) << scale;
    }
    // Subnormal elements: the scaling power of two is itself out of range.
    const Matrix tiny = Mat({{4e-310, 0}, {0, 2e-310}});
    EXPECT_EQ(Rank(tiny), 2);
    EXPECT_NEAR(Condition(tiny), 2.0, 1e-6);
}

TEST(Measures, ConditionNumberAndItsSentinels) {
    // 2-norm condition numbers of Hilbert matrices.
    EXPECT_NEAR(Condition(Hilbert(3, 3)), 524.0567775860644, 1e-9 * 524);
    EXPECT_NEAR(Condition(Hilbert(10, 10)), 16025326851680.766, 1e-3 * 1.6e13);
    EXPECT_DOUBLE_EQ(Condition(Mat({{3, 0}, {0, -0.5}})), 6.0);
    EXPECT_DOUBLE_EQ(Condition(Mat({{1, 2, 3}})), 1.0); // one singular value
    EXPECT_DOUBLE_EQ(Condition(Matrix()), -2.0);
    EXPECT_DOUBLE_EQ(Condition(Mat({{1, INFINITY}, {0, 1}})), -2.0);
    EXPECT_DOUBLE_EQ(Condition(Mat({{NAN}})), -2.0);
}

TEST(Measures, TraceNormAndDotProduct) {
    EXPECT_DOUBLE_EQ(Tr(Mat({{1, 2, 3}, {4, 5, 6}})), 6.0);
    EXPECT_DOUBLE_EQ(RNorm(Mat({{3e200}, {4e200}})), 5e200);  // squares would overflow
    EXPECT_DOUBLE_EQ(RNorm(Mat({{3e-200, 4e-200}})), 5e-200); // and underflow
    EXPECT_DOUBLE_EQ(RNorm(Matrix()), 0.0);
    EXPECT_DOUBLE_EQ(VectorDotProd(Mat({{1, 2, 3}}), Mat({{4}, {5}, {6}})), 32.0);
    EXPECT_THROW(VectorDotProd(Mat({{1, 2}}), Mat({{1, 2, 3}})), ztmath::MathError);
}
