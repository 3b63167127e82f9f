#include "tests/matrixlib/matrix_checks.h"

// Known joins, cross products and primes are pinned by the two_operand and
// creation transcripts.
TEST(Creation, KroneckerBlockDiagonalAndCrossProduct) {
    // (A ⊗ B)(C ⊗ D) = AC ⊗ BD.
    const Matrix A = Sample(2, 2, 1), B = Sample(3, 3, 2), C = Sample(2, 2, 3), D = Sample(3, 3, 4);
    EXPECT_MATRIX_NEAR(Kron(A, B) * Kron(C, D), Kron(A * C, B * D), 1e-14);
    EXPECT_MATRIX_NEAR(BlockDiagonal(Matrix(), Eye(2)), Eye(2), 0.0);
    // Orthogonal to both factors, and Lagrange: |a × b|² = |a|²|b|² − (a·b)².
    for (int seed = 1; seed <= 5; ++seed) {
        const Matrix a = Sample(1, 3, seed), b = Sample(3, 1, seed + 10);
        const Matrix c = VectorCrossProd(a, b);
        const double ab = VectorDotProd(a, b);
        EXPECT_NEAR(VectorDotProd(c, a), 0.0, 1e-14);
        EXPECT_NEAR(VectorDotProd(c, b), 0.0, 1e-14);
        EXPECT_NEAR(c.SumSquare(), a.SumSquare() * b.SumSquare() - ab * ab, 1e-14);
    }
    EXPECT_THROW(VectorCrossProd(Mat({{1, 2}}), Mat({{1, 2}})), ztmath::MathError);
}

TEST(Creation, Primes) {
    EXPECT_EQ(Prime(10000)(1, 10000), 104729.0);
    EXPECT_EQ(Exist(Prime(0)), 0);
}

TEST(Creation, RandomIsPortableAndInRange) {
    int s = -1;
    const Matrix fixed = Random(&s, 1, 2, 0.0, 1.0); // the same on every machine
    EXPECT_DOUBLE_EQ(fixed(1, 1), 0.5665615751722809);
    EXPECT_DOUBLE_EQ(fixed(1, 2), 0.7457817572627011);
    s = -12345;
    const Matrix a = Random(&s, 20, 30, -2.0, 5.0);
    EXPECT_EQ(s, 12345);
    EXPECT_GE(a.Minimum(), -2.0);
    EXPECT_LT(a.Maximum(), 5.0);
    EXPECT_GT(MaxDiff(a, Random(&s, 20, 30, -2.0, 5.0)), 0.5); // a positive seed continues
    int most = INT32_MIN;
    Random(&most, 2, 2, 0, 1);
    EXPECT_GT(most, 0);
    EXPECT_EQ(Exist(Random(&s, 0, 3, 0, 1)), 0);
}

// RandomHermitian at 40000 is refused through Create Hermitian in the
// creation command tests.
TEST(Creation, SizesBeyondIntRangeAreRefused) {
    // 65536² wraps to 0 in int arithmetic; the matrix must not be allocated
    // at the wrapped size and then filled.
    int s = -3;
    EXPECT_MATH_ERROR(Random(&s, 65536, 65536, 0, 1), "Matrix too large");
    Matrix row(1, 70000);
    row = 1.0;
    EXPECT_MATH_ERROR(Kron(row, row), "Matrix too large");
}

TEST(Creation, RandomHermitianAndUnitary) {
    for (int n : {1, 4, 9}) {
        // A zero tolerance also demands an exactly zero imaginary diagonal.
        const Matrix H = RandomHermitian(n, n, -3.0, 3.0);
        EXPECT_EQ(OnTestHermitian(H, 0.0), 1);
        EXPECT_LE(H.MaximumAbsoluteValue(), 3.0);
        EXPECT_EQ(OnTestUnitary(RandomUnitary(n, n, -1.0, 1.0), 1e-12), 1);
    }
    // A constant range gives a rank-one start; the result is still unitary.
    EXPECT_EQ(OnTestUnitary(RandomUnitary(5, 5, 2.0, 2.0), 1e-12), 1);
    EXPECT_EQ(OnTestUnitary(RandomUnitary(3, 3, 0.0, 0.0), 1e-12), 1);
    EXPECT_THROW(RandomHermitian(2, 3, 0, 1), ztmath::MathError);
    EXPECT_EQ(Exist(RandomUnitary(0, 0, 0, 1)), 0);
}
