// The optimised kernels against the mathematics: products against newmat's
// plain one, inverses and solves by their residuals, the one singularity
// rule on both sides of its tolerance, determinants without overflow.

#include "tests/matrixlib/matrix_checks.h"

#include <cmath>

namespace {

const double kAboveFour = std::nextafter(4.0, 5.0);

} // namespace

TEST(MatrixProduct, AgreesWithTheDefinitionOnEveryShape) {
    const struct {
        int m, k, n;
    } shapes[] = {{1, 1, 1}, {1, 7, 1}, {7, 1, 7}, {3, 4, 5}, {37, 53, 29}, {130, 70, 140}};
    for (const auto& s : shapes) {
        const Matrix A = Sample(s.m, s.k, s.m + 3);
        const Matrix B = Sample(s.k, s.n, s.n + 5);
        EXPECT_MATRIX_NEAR(MatMul(A, B), Matrix(A * B), 1e-14 * s.k) << s.m << s.k << s.n;
    }
    // Integers multiply exactly; an empty inner size gives zeros.
    EXPECT_MATRIX_NEAR(MatMul(Mat({{1, 2}, {3, 4}}), Mat({{5, 6}, {7, 8}})),
                       Mat({{19, 22}, {43, 50}}), 0.0);
    Matrix zeros(2, 3);
    zeros = 0.0;
    EXPECT_MATRIX_NEAR(MatMul(Matrix(2, 0), Matrix(0, 3)), zeros, 0.0);
    EXPECT_EQ(MatMul(Matrix(0, 2), Sample(2, 3, 1)).Nrows(), 0);
    EXPECT_MATH_ERROR(MatMul(Sample(2, 3, 1), Sample(2, 3, 2)), "Matrix sizes do not agree");
}

// Solves are checked by their residuals with the linear solvers.
TEST(LuKernels, InverseHasSmallResiduals) {
    for (int n : {1, 2, 17, 300}) {
        const Matrix A = Sample(n, n, 40 + n);
        const Matrix X = Inverse(A);
        EXPECT_MATRIX_NEAR(MatMul(A, X), Eye(n), 1e-11) << n;
        EXPECT_MATRIX_NEAR(MatMul(X, A), Eye(n), 1e-11) << n;
    }
}

TEST(LuKernels, OneSingularityRule) {
    const struct {
        Matrix A;
        bool singular;
    } cases[] = {
        {Mat({{1, 2}, {2, 4}}), true},
        // The last pivot is 4.4e-16 and the reciprocal condition number
        // about 2.5e-17, below 2·eps: singular by the rule although its
        // determinant is not exactly 0.
        {Mat({{1, 2}, {2, kAboveFour}}), true},
        {Mat({{1, 2}, {2, 4 + 1e-12}}), false},
        {Mat({{0, 0}, {0, 0}}), true},
        {Mat({{1, NAN}, {0, 1}}), true},
        {Mat({{INFINITY, 0}, {0, 1}}), true},
        {Eye(40) * 1e-10, false}, // its determinant underflows, yet it is regular
        {Hilbert(10, 10), false},
    };
    for (const auto& c : cases) {
        const int n = c.A.Nrows();
        Matrix B = Sample(n, 1, 9);
        if (c.singular) {
            EXPECT_MATH_ERROR(Inverse(c.A), "Singular Matrix");
            EXPECT_MATH_ERROR(Adjugate(c.A), "Singular Matrix");
            EXPECT_MATH_ERROR(GetLuSolVec(c.A, B), "Singular Matrix");
            EXPECT_MATH_ERROR(Power(c.A, -1), "Singular Matrix");
            if (std::isfinite(c.A.Sum())) {
                EXPECT_EQ(Determinant(c.A), 0.0);
            }
        } else {
            const Matrix X = Inverse(c.A);
            EXPECT_LE(MaxDiff(MatMul(c.A, X), Eye(n)), 1e-14 * Condition(c.A)) << &c - cases;
        }
    }
    EXPECT_MATH_ERROR(Determinant(Mat({{1, NAN}, {0, 1}})), "Matrix has non-finite elements");
    EXPECT_MATH_ERROR(Inverse(Sample(2, 3, 1)), "Non-Square Matrix");
}

TEST(LuKernels, DeterminantValuesSignsAndRange) {
    const double big = 1e200;
    const struct {
        Matrix A;
        double det;
    } cases[] = {
        {Mat({{0, 1}, {1, 0}}), -1.0}, // one row exchange
        {Mat({{0, 1, 0}, {0, 0, 1}, {1, 0, 0}}), 1.0},
        {Mat({{2, 0, 1}, {1, 3, 0}, {0, 1, 4}}), 25.0},
        {Mat({{big, 0}, {0, big}}), INFINITY},
        {Mat({{1e-200, 0}, {0, 1e-200}}), 0.0}, // regular, but the value underflows
        {Mat({{2, 1e-13}, {0, 4e-15}}), 8e-15}, // pivots just above 2·eps·max|a|
    };
    for (const auto& c : cases) {
        if (std::isfinite(c.det) && c.det != 0.0)
            EXPECT_NEAR(Determinant(c.A), c.det, 1e-13 * std::fabs(c.det)) << &c - cases;
        else
            EXPECT_EQ(Determinant(c.A), c.det) << &c - cases;
    }
    // Against the product of the eigenvalues of a symmetric matrix.
    Matrix S = Sample(30, 30, 77);
    S = S + S.t();
    const SymmetricEigen e = Jacobi(S);
    double product = 1.0;
    for (int i = 1; i <= 30; ++i)
        product *= e.d(i);
    EXPECT_NEAR(Determinant(S), product, 1e-10 * std::fabs(product));
}
