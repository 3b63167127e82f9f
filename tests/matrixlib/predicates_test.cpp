#include "tests/matrixlib/matrix_checks.h"

TEST(Predicates, RealForms) {
    // Symmetry is judged relative to the largest element.
    EXPECT_EQ(Symmetric(Mat({{1e12, 3}, {3 + 1e-3, 1}})), 1); // 1e-3 ≤ 1e-10·1e12
    EXPECT_EQ(Symmetric(Mat({{1, 3}, {3.001, 1}})), 0);
    EXPECT_EQ(SkewSymmetric(Mat({{0, 2}, {-2, 0}})), 1);
    EXPECT_EQ(SkewSymmetric(Mat({{1, 2}, {-2, 0}})), 0);
    EXPECT_EQ(Symmetric(Mat({{1, NAN}, {NAN, 1}})), 0);
    // Vector sizes fit whatever the orientation; a 2 × 2 is no vector.
    EXPECT_EQ(DimCmp(Mat({{1, 2, 3}}), Mat({{1}, {2}, {3}})), 1);
    EXPECT_EQ(DimCmp(Eye(2), Mat({{1, 2, 3, 4}})), 0);
    EXPECT_EQ(PositiveDefinite(Mat({{2, -1, 0}, {-1, 2, -1}, {0, -1, 2}})), 1);
    EXPECT_EQ(PositiveDefinite(Mat({{1, 2}, {2, 1}})), 0); // eigenvalues 3, −1
    EXPECT_EQ(PositiveDefinite(Mat({{1, 1}, {1, 1}})), 0); // semi-definite
    EXPECT_EQ(PositiveDefinite(Hilbert(8, 8)), 1);
    const double c = std::cos(0.3), s = std::sin(0.3);
    EXPECT_EQ(Orthogonal(Mat({{c, -s}, {s, c}})), 1);
    EXPECT_EQ(Orthogonal(Mat({{1, 1}, {0, 1}})), 0);
    Matrix p = Mat({{0.5, 0.5, 0}, {0.2, 0.3, 0.5}, {0, 0, 1}});
    EXPECT_EQ(Stochastic(p), 1);
    EXPECT_EQ(Stochastic(p.t()), 0); // columns do not sum to 1
    EXPECT_EQ(Stochastic(Mat({{1.5, -0.5}, {0.5, 0.5}})), 0);
}

TEST(Predicates, SingularUsesTheNumericalRank) {
    EXPECT_EQ(Singular(Matrix()), 0);
    EXPECT_EQ(Singular(Mat({{1, 2, 3}})), 1);
    EXPECT_EQ(Singular(Mat({{1, 2, 3}, {4, 5, 6}, {7, 8, 9}})), 1);
    EXPECT_EQ(Singular(Hilbert(10, 10)), 0);
    EXPECT_EQ(Singular(Mat({{1, INFINITY}, {0, 1}})), 1);
    // The complex singularity test runs on a composite.
    Matrix dual = Mat({{1, 2, 0, 0}, {0, 0, 1, 2}}); // rows (1, 2) and i·(1, 2)
    EXPECT_EQ(Singular(CplxToComposite(dual)), 1);
}

TEST(Predicates, ComplexForms) {
    // H = [2, 1−i; 1+i, 3] is Hermitian.
    Matrix h = Mat({{2, 1, 0, -1}, {1, 3, 1, 0}});
    EXPECT_EQ(OnTestHermitian(h, 1e-8), 1);
    EXPECT_EQ(OnTestHermitian(Mat({{2, 1, 1, -1}, {1, 3, 1, 0}}), 1e-8), 0); // Im diagonal
    EXPECT_EQ(IsComposite(CplxToComposite(h)), 1);
    EXPECT_EQ(IsComposite(Mat({{1, 2}, {3, 4}})), 0);
    // U = [1, i; i, 1]/√2 is unitary; doubling it is not.
    const double r = 1 / std::sqrt(2.0);
    Matrix u = Mat({{r, 0, 0, r}, {0, r, r, 0}});
    EXPECT_EQ(OnTestUnitary(u, 1e-8), 1);
    EXPECT_EQ(OnTestUnitary(u * 2.0, 1e-8), 0);
    EXPECT_EQ(OnTestUnitary(Mat({{r, 0, 0, -r}, {0, r, r, 0}}), 1e-8), 0);
}
