// The one singularity rule: exactly singular decimal matrices are refused by
// every routine that inverts, whatever rounding leaves in the last pivot;
// regular matrices are not; the Singular test agrees with the singular
// values away from the threshold.

#include "tests/matrixlib/matrix_checks.h"

#include <limits>
#include <random>

namespace {

constexpr double kEps = std::numeric_limits<double>::epsilon();

// n x n one-decimal elements whose last row repeats the first (or, with
// `sum`, is the sum of the first two rows as typed).
Matrix SingularDecimals(std::mt19937& random, int n, bool sum) {
    std::uniform_int_distribution<int> tenths(-9, 9);
    Matrix m(n, n);
    for (int i = 1; i <= n; ++i)
        for (int j = 1; j <= n; ++j)
            m(i, j) = tenths(random) / 10.0;
    for (int j = 1; j <= n; ++j)
        m(n, j) = sum ? std::round(10 * (m(1, j) + m(2, j))) / 10.0 : m(1, j);
    return m;
}

void ExpectRefusedEverywhere(const Matrix& A, const char* what) {
    SCOPED_TRACE(what);
    Matrix b = Sample(A.Nrows(), 1, 3);
    EXPECT_EQ(Singular(A), 1);
    EXPECT_EQ(Determinant(A), 0.0);
    EXPECT_MATH_ERROR(Inverse(A), "Singular Matrix");
    EXPECT_MATH_ERROR(Adjugate(A), "Singular Matrix");
    EXPECT_MATH_ERROR(GetLuSolVec(A, b), "Singular Matrix");
    EXPECT_MATH_ERROR(GetGaussJSolVec(A, b), "Singular Matrix");
}

// σmin/σmax from the singular values.
double SingularValueRatio(const Matrix& A) {
    Matrix U, V;
    ColumnVector sigma;
    SvdFactors(A, U, sigma, V);
    return sigma.Minimum() / sigma.Maximum();
}

} // namespace

TEST(SingularityRule, ExactlySingularDecimalMatricesAreRefused) {
    ExpectRefusedEverywhere(Mat({{-0.6, -0.9, 0.9}, {-0.1, -0.1, -0.9}, {-0.6, -0.9, 0.9}}),
                            "the Gauss-Jordan system of the report");
    std::mt19937 random(8);
    for (int n = 2; n <= 20; ++n)
        for (int trial = 0; trial < 10; ++trial) {
            ExpectRefusedEverywhere(SingularDecimals(random, n, false), "repeated row");
            if (n > 2) ExpectRefusedEverywhere(SingularDecimals(random, n, true), "sum of rows");
        }
}

TEST(SingularityRule, RegularMatricesInvertToTheIdentity) {
    std::mt19937 random(9);
    for (int n = 1; n <= 20; ++n) {
        const Matrix A = Sample(n, n, n) + Eye(n) * 0.5;
        const Matrix X = Inverse(A);
        EXPECT_EQ(Singular(A), 0) << n;
        EXPECT_MATRIX_NEAR(MatMul(A, X), Eye(n), 1e-12 * n) << n;
        Matrix B = Sample(n, 2, n + 40);
        Matrix lu = B, gj = B;
        GetLuSolVec(A, lu);
        GetGaussJSolVec(A, gj);
        EXPECT_MATRIX_NEAR(MatMul(A, lu), B, 1e-12 * n) << n;
        EXPECT_MATRIX_NEAR(MatMul(A, gj), B, 1e-12 * n) << n;
    }
    // Far from 1 in either direction the scale of A does not matter.
    for (double scale : {1e-300, 1e-150, 1e150, 1e300})
        EXPECT_EQ(Singular(Hilbert(6, 6) * scale), 0) << scale;
}

TEST(SingularityRule, HilbertMatricesInvertibleUpToOrderTen) {
    for (int n = 1; n <= 10; ++n) {
        EXPECT_EQ(Singular(Hilbert(n, n)), 0) << n;
        EXPECT_NE(Determinant(Hilbert(n, n)), 0.0) << n;
    }
    for (int n = 11; n <= 16; ++n) {
        EXPECT_EQ(Singular(Hilbert(n, n)), 1) << n;
        EXPECT_MATH_ERROR(Inverse(Hilbert(n, n)), "Singular Matrix");
    }
}

// The rule works in the 1-norm from an estimate, the singular values in the
// 2-norm; the two condition numbers lie within a factor n of each other, so
// the answers may differ only that close to the threshold n·eps.
TEST(SingularityRule, AgreesWithTheSingularValuesAwayFromTheThreshold) {
    int seed = 31;
    int regularSeen = 0, singularSeen = 0;
    for (int n = 2; n <= 20; n += 3)
        for (double exponent = 0; exponent <= 20; exponent += 0.5) {
            const Matrix Q1 = RandomOrthogonal(&seed, n);
            const Matrix Q2 = RandomOrthogonal(&seed, n);
            Matrix D(n, n);
            D = 0.0;
            for (int k = 1; k <= n; ++k)
                D(k, k) = std::pow(10.0, -exponent * (k - 1) / std::max(1, n - 1));
            const Matrix A = MatMul(MatMul(Q1, D), Q2);
            const double ratio = SingularValueRatio(A);
            const double threshold = n * kEps;
            if (ratio > n * threshold) {
                EXPECT_EQ(Singular(A), 0) << n << " " << exponent;
                ++regularSeen;
            } else if (ratio < threshold / n) {
                EXPECT_EQ(Singular(A), 1) << n << " " << exponent;
                ++singularSeen;
            }
        }
    EXPECT_GT(regularSeen, 0);
    EXPECT_GT(singularSeen, 0);
}
