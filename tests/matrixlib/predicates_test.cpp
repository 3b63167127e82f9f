#include "tests/matrixlib/matrix_checks.h"

// Both sides of every criterion are answered through the MATRIX TESTS rows
// (their transcript and table test); here only what those never reach.
TEST(Predicates, EdgesTheTestRowsDoNotReach) {
    // Symmetry is judged relative to the largest element; NaN is never equal.
    EXPECT_EQ(Symmetric(Mat({{1e12, 3}, {3 + 1e-3, 1}})), 1); // 1e-3 ≤ 1e-10·1e12
    EXPECT_EQ(Symmetric(Mat({{1, NAN}, {NAN, 1}})), 0);
    // Vector sizes fit whatever the orientation; a 2 × 2 is no vector.
    EXPECT_EQ(DimCmp(Mat({{1, 2, 3}}), Mat({{1}, {2}, {3}})), 1);
    EXPECT_EQ(DimCmp(Eye(2), Mat({{1, 2, 3, 4}})), 0);
    EXPECT_EQ(PositiveDefinite(Hilbert(8, 8)), 1);
    EXPECT_EQ(Singular(Hilbert(10, 10)), 0);
    EXPECT_EQ(Singular(Matrix()), 0);
    EXPECT_EQ(Singular(Mat({{1, INFINITY}, {0, 1}})), 1);
    EXPECT_EQ(Stochastic(Mat({{0.5, 0.5, 0}, {0.2, 0.3, 0.5}, {0, 0, 1}}).t()), 0);
    EXPECT_EQ(IsComposite(CplxToComposite(Mat({{2, 1, 0, -1}, {1, 3, 1, 0}}))), 1);
    EXPECT_EQ(IsComposite(Mat({{1, 2}, {3, 4}})), 0);
}
