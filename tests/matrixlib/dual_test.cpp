#include "tests/matrixlib/matrix_checks.h"

TEST(DualMatrix, HalvesAndConjugates) {
    const Matrix M = Mat({{1, 2, 3, 4}, {5, 6, 7, 8}}); // [1+3i, 2+4i; 5+7i, 6+8i]
    EXPECT_MATRIX_NEAR(CHTranspose(M), Mat({{1, 5, -3, -7}, {2, 6, -4, -8}}), 0.0);
    EXPECT_MATRIX_NEAR(CTr(M), Mat({{7, 11}}), 0.0);
    // (1+3i)(6+8i) = 6 + 8i + 18i − 24.
    EXPECT_MATRIX_NEAR(CDiagProd(M), Mat({{-18, 26}}), 0.0);
    EXPECT_THROW(GetDualReal(Mat({{1, 2, 3}})), ztmath::MathError);
    EXPECT_THROW(MakeDualMatrix(Eye(2), Eye(3)), ztmath::MathError);
}

TEST(DualMatrix, CompositeRoundTripAndProducts) {
    const Matrix A = Sample(3, 4, 31); // 3 × 2 complex
    const Matrix B = Sample(2, 6, 32); // 2 × 3 complex
    const Matrix K = CplxToComposite(A);
    EXPECT_EQ(K.Nrows(), 6);
    EXPECT_EQ(K.Ncols(), 4);
    EXPECT_EQ(IsComposite(K), 1);
    EXPECT_MATRIX_NEAR(DeCompositeToCplx(K), A, 0.0);
    const Matrix AB = CMatMul(A, B);
    ASSERT_EQ(AB.Nrows(), 3);
    ASSERT_EQ(AB.Ncols(), 6);
    // Element (i, j) by the definition Σ a_ik·b_kj.
    for (int i = 1; i <= 3; ++i)
        for (int j = 1; j <= 3; ++j) {
            double re = 0, im = 0;
            for (int k = 1; k <= 2; ++k) {
                const FCOMPLEX p =
                    Cmul(Complex(A(i, k), A(i, 2 + k)), Complex(B(k, j), B(k, 3 + j)));
                re += p.r;
                im += p.i;
            }
            EXPECT_NEAR(AB(i, j), re, 1e-15);
            EXPECT_NEAR(AB(i, 3 + j), im, 1e-15);
        }
    EXPECT_THROW(CMatMul(A, A), ztmath::MathError);
    EXPECT_THROW(DeCompositeToCplx(Mat({{1, 2, 3}})), ztmath::MathError);
}

TEST(DualMatrix, InverseGivesTheIdentity) {
    const Matrix A = Sample(5, 10, 33);
    const Matrix Ai = CInv(A);
    const Matrix I = MakeDualMatrix(Eye(5), Eye(5) * 0.0);
    EXPECT_MATRIX_NEAR(CMatMul(A, Ai), I, 1e-12);
    EXPECT_MATRIX_NEAR(CMatMul(Ai, A), I, 1e-12);
    // A complex matrix with a singular real part is still invertible: [i].
    EXPECT_MATRIX_NEAR(CInv(Mat({{0, 1}})), Mat({{0, -1}}), 0.0);
    try {
        CInv(Mat({{1, 2, 0, 0}, {0, 0, 1, 2}}));
        FAIL() << "singular complex matrix inverted";
    } catch (const ztmath::MathError& e) {
        EXPECT_STREQ(e.what(), "Singular Matrix");
    }
    EXPECT_THROW(CInv(Mat({{1, 2, 3, 4}})), ztmath::MathError);
}
