// Positive Definite on semidefinite matrices: singular and nearly singular
// ones are not definite, however rounding leaves their last pivots.

#include "tests/matrixlib/matrix_checks.h"

#include <random>

namespace {

// B·Bᵀ for an n x k matrix B of small whole numbers: exactly semidefinite
// of rank at most k (every product and sum is exact).
Matrix Gram(std::mt19937& random, int n, int k) {
    std::uniform_int_distribution<int> whole(-9, 9);
    Matrix B(n, k);
    for (int i = 1; i <= n; ++i)
        for (int j = 1; j <= k; ++j)
            B(i, j) = whole(random);
    return MatMul(B, B.t());
}

// Q·diag(2, ..., n, smallest)·Qᵀ, made exactly symmetric.
Matrix WithSmallestEigenvalue(int* seed, int n, double smallest) {
    const Matrix Q = RandomOrthogonal(seed, n);
    Matrix D(n, n);
    D = 0.0;
    for (int k = 1; k <= n; ++k)
        D(k, k) = k == n ? smallest : 1.0 + k;
    Matrix A = MatMul(MatMul(Q, D), Q.t());
    for (int i = 1; i <= n; ++i)
        for (int j = 1; j < i; ++j)
            A(j, i) = A(i, j);
    return A;
}

} // namespace

TEST(PositiveDefinite, SingularSemidefiniteMatricesAreNotDefinite) {
    EXPECT_EQ(PositiveDefinite(Mat({{0.5, 0.5}, {0.5, 0.5}})), 0);
    std::mt19937 random(3);
    for (int n = 2; n <= 20; ++n)
        for (int trial = 0; trial < 10; ++trial) {
            std::uniform_int_distribution<int> rank(1, n - 1);
            const Matrix A = Gram(random, n, rank(random));
            EXPECT_EQ(PositiveDefinite(A), 0) << n << " trial " << trial;
            // Nearly singular: one diagonal element a unit in the last place
            // larger, far below what the pivots can tell from rounding.
            Matrix nearly = A;
            nearly(n, n) = std::nextafter(nearly(n, n), INFINITY);
            EXPECT_EQ(PositiveDefinite(nearly), 0) << n << " trial " << trial;
        }
}

// Ill-conditioned but definite well above the pivot threshold, or with an
// eigenvalue clearly negative.
TEST(PositiveDefinite, NearlySingularOnesFollowTheirSmallestEigenvalue) {
    int seed = 12;
    for (int n = 2; n <= 20; ++n) {
        EXPECT_EQ(PositiveDefinite(WithSmallestEigenvalue(&seed, n, 1e-9)), 1) << n;
        EXPECT_EQ(PositiveDefinite(WithSmallestEigenvalue(&seed, n, -1e-9)), 0) << n;
    }
}

TEST(PositiveDefinite, DefiniteMatricesOfEverySize) {
    std::mt19937 random(4);
    for (int n = 1; n <= 20; ++n) {
        const Matrix A = Gram(random, n, n + 3) + Eye(n) * 0.1;
        EXPECT_EQ(PositiveDefinite(A), 1) << n;
        EXPECT_EQ(PositiveDefinite(A * 1e-250), 1) << n;
        EXPECT_EQ(PositiveDefinite(A * 1e250), 1) << n;
    }
}
