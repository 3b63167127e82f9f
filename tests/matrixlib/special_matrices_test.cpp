#include "tests/matrixlib/matrix_checks.h"

namespace {

Matrix Gram(const Matrix& q) {
    return q.t() * q;
}

} // namespace

TEST(SpecialMatrices, RandomOrthogonalHasOrthonormalColumns) {
    for (const int n : {1, 2, 7, 40}) {
        int seed = -n;
        const Matrix q = RandomOrthogonal(&seed, n);
        ASSERT_EQ(q.Nrows(), n);
        EXPECT_MATRIX_NEAR(Gram(q), Eye(n), 1e-12) << n;
    }
    int seed = -3;
    const Matrix a = RandomOrthogonal(&seed, 5);
    EXPECT_GT(MaxDiff(a, RandomOrthogonal(&seed, 5)), 0.01); // the generator continues
    EXPECT_EQ(Exist(RandomOrthogonal(&seed, 0)), 0);
}

// The direction of a rotation is pinned by the creation transcript (90 degrees).
TEST(SpecialMatrices, PlaneRotationsComposeAndReflectionsAreInvolutions) {
    const double a = 0.7, b = -2.1;
    EXPECT_MATRIX_NEAR(PlaneRotation(a) * PlaneRotation(b), PlaneRotation(a + b), 1e-15);
    EXPECT_MATRIX_NEAR(Gram(PlaneRotation(a)), Eye(2), 1e-15);
    EXPECT_NEAR(PlaneRotation(a).Determinant(), 1.0, 1e-15);

    const Matrix r = PlaneReflection(a);
    EXPECT_MATRIX_NEAR(r * r, Eye(2), 1e-15);
    EXPECT_NEAR(r.Determinant(), -1.0, 1e-15);
    // The line at angle a/2 stays where it is.
    const Matrix line = Mat({{std::cos(a / 2)}, {std::sin(a / 2)}});
    EXPECT_MATRIX_NEAR(r * line, line, 1e-15);
}

TEST(SpecialMatrices, VandermondeColumnsArePowers) {
    const Matrix v = Vandermonde(Mat({{1}, {2}, {3}, {5}}));
    for (int i = 1; i <= 4; ++i)
        for (int j = 2; j <= 4; ++j)
            EXPECT_EQ(v(i, j), v(i, j - 1) * v(i, 2));
    // det = product of (u_j - u_i) over i < j.
    EXPECT_NEAR(v.Determinant(), 1 * 2 * 4 * 1 * 3 * 2, 1e-12);
    EXPECT_EQ(Vandermonde(Mat({{0, 0}}))(1, 1), 1.0); // 0^0 is 1
}
