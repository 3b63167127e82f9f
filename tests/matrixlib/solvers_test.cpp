#include "tests/matrixlib/matrix_checks.h"

namespace {

// Applies the row exchanges recorded by LuDcmp to a copy of A.
Matrix Permuted(const Matrix& A, const RowVector& index) {
    Matrix P = A;
    for (int i = 1; i <= A.Nrows(); ++i) {
        const int r = static_cast<int>(index(i));
        for (int j = 1; j <= A.Ncols(); ++j)
            std::swap(P(i, j), P(r, j));
    }
    return P;
}

} // namespace

TEST(LuDecomposition, FactorsReproduceThePermutedMatrix) {
    for (int n : {1, 2, 5, 40}) {
        const Matrix A = Sample(n, n, 7 + n);
        Matrix C = A;
        RowVector index;
        int parity = 0;
        LuDcmp(C, index, parity);
        const Matrix L = GetLowerLu(C);
        const Matrix U = GetUpperLu(C);
        EXPECT_MATRIX_NEAR(L * U, Permuted(A, index), 1e-12 * n);
        for (int i = 1; i <= n; ++i) {
            EXPECT_EQ(L(i, i), 1.0);
            for (int j = i + 1; j <= n; ++j)
                EXPECT_EQ(L(i, j), 0.0);
            for (int j = 1; j < i; ++j) {
                EXPECT_EQ(U(i, j), 0.0);
                EXPECT_LE(std::fabs(L(i, j)), 1.0); // partial pivoting
            }
        }
        // The determinant is the parity times the product of U's diagonal.
        double det = parity;
        for (int i = 1; i <= n; ++i)
            det *= U(i, i);
        const double logDet = A.LogDeterminant().LogValue();
        EXPECT_NEAR(std::log(std::fabs(det)), logDet, 1e-10);
        EXPECT_EQ(det > 0 ? 1 : -1, A.LogDeterminant().Sign());
    }
}

TEST(LuDecomposition, RefusesSingularAndNonSquareMatrices) {
    RowVector index;
    int parity = 0;
    Matrix singular = Mat({{1, 2}, {2, 4}});
    try {
        LuDcmp(singular, index, parity);
        FAIL() << "singular matrix factorised";
    } catch (const ztmath::MathError& e) {
        EXPECT_STREQ(e.what(), "Singular Matrix");
    }
    Matrix wide = Mat({{1, 2, 3}});
    EXPECT_THROW(LuDcmp(wide, index, parity), ztmath::MathError);
}

TEST(LinearSolvers, BothMethodsSolveSeveralRightHandSides) {
    const Matrix A = Sample(30, 30, 3);
    const Matrix B = Sample(30, 3, 4);
    Matrix X1 = B;
    Matrix X2 = B;
    GetGaussJSolVec(A, X1);
    GetLuSolVec(A, X2);
    EXPECT_MATRIX_NEAR(A * X1, B, 1e-12);
    EXPECT_MATRIX_NEAR(A * X2, B, 1e-12);
    // The inverse: A·A⁻¹ = I.
    Matrix inv = Eye(30);
    GetLuSolVec(A, inv);
    EXPECT_MATRIX_NEAR(A * inv, Eye(30), 1e-12);
}

TEST(LinearSolvers, HilbertSystemsUpToOrderTen) {
    for (int n = 2; n <= 10; ++n) {
        const Matrix H = Hilbert(n);
        Matrix ones(n, 1);
        ones = 1.0;
        const Matrix b = H * ones;
        Matrix x1 = b, x2 = b;
        GetGaussJSolVec(H, x1);
        GetLuSolVec(H, x2);
        // Forward error grows with the condition number (1.6e13 at order 10);
        // the residual stays at rounding level.
        const double allowed = 1e-16 * Condition(H) * 100;
        EXPECT_MATRIX_NEAR(x1, ones, allowed) << "order " << n;
        EXPECT_MATRIX_NEAR(x2, ones, allowed) << "order " << n;
        EXPECT_MATRIX_NEAR(H * x1, b, 1e-14);
        EXPECT_MATRIX_NEAR(H * x2, b, 1e-14);
    }
}

TEST(LinearSolvers, RefuseSingularAndMismatchedSystems) {
    Matrix b = Mat({{1}, {1}});
    for (auto solve : {&GetGaussJSolVec, &GetLuSolVec}) {
        try {
            solve(Mat({{1, 2}, {2, 4}}), b);
            ADD_FAILURE() << "singular system solved";
        } catch (const ztmath::MathError& e) {
            EXPECT_STREQ(e.what(), "Singular Matrix");
        }
        Matrix three = Mat({{1}, {2}, {3}});
        EXPECT_THROW(solve(Eye(2), three), ztmath::MathError);
        EXPECT_THROW(solve(Mat({{1, 2}}), b), ztmath::MathError);
    }
    EXPECT_MATRIX_NEAR(b, Mat({{1}, {1}}), 0.0); // untouched by the failures
}

TEST(GaussJordan, ReducedRowEchelonForm) {
    Matrix m = Mat({{1, 2, 3}, {4, 5, 6}, {7, 8, 9}});
    const Matrix r = DoGauss(m);
    EXPECT_MATRIX_NEAR(r, Mat({{1, 0, -1}, {0, 1, 2}, {0, 0, 0}}), 1e-14);
    EXPECT_MATRIX_NEAR(m, r, 0.0);
    EXPECT_EQ(r(3, 1), 0.0); // rounding residue cleared to exact zeros
    EXPECT_EQ(r(3, 3), 0.0);
    // An augmented system [A | b] gives [I | x].
    Matrix aug = Mat({{2, 1, -1, 8}, {-3, -1, 2, -11}, {-2, 1, 2, -3}});
    DoGauss(aug);
    EXPECT_MATRIX_NEAR(aug, Mat({{1, 0, 0, 2}, {0, 1, 0, 3}, {0, 0, 1, -1}}), 1e-14);
    // A zero column is skipped, not pivoted on.
    Matrix z = Mat({{0, 2, 4}, {0, 1, 1}});
    DoGauss(z);
    EXPECT_MATRIX_NEAR(z, Mat({{0, 1, 0}, {0, 0, 1}}), 1e-15);
    // Rounding residue is judged against each row's own magnitude: the large
    // or small scale of a matrix, or of one row, leaves the reduced form alone.
    for (double scale : {1e-200, 1e20, 1e200}) {
        Matrix s = Mat({{1, 2, 3}, {4, 5, 6}, {7, 8, 9}}) * scale;
        EXPECT_MATRIX_NEAR(DoGauss(s), Mat({{1, 0, -1}, {0, 1, 2}, {0, 0, 0}}), 1e-14) << scale;
    }
    Matrix rows = Mat({{1e-20, 2e-20}, {3, 4}});
    EXPECT_MATRIX_NEAR(DoGauss(rows), Eye(2), 1e-15);
}
