#include "tests/matrixlib/matrix_checks.h"

// Conjugate transposes, traces, diagonal products and complex products of
// small matrices are pinned by the complex-mode transcripts; here the shapes
// they refuse and the composite form.
TEST(DualMatrix, RefusedShapesAndComposites) {
    EXPECT_THROW(CMatMul(Mat({{1, 2, 3, 4}, {5, 6, 7, 8}}), Mat({{1, 2}})), ztmath::MathError);
    EXPECT_THROW(GetDualReal(Mat({{1, 2, 3}})), ztmath::MathError);
    EXPECT_THROW(MakeDualMatrix(Eye(2), Eye(3)), ztmath::MathError);
    const Matrix z = Mat({{1, 2, 3, 4}}); // [1+3i, 2+4i]
    const Matrix K = CplxToComposite(z);
    EXPECT_MATRIX_NEAR(K, Mat({{1, 2, -3, -4}, {3, 4, 1, 2}}), 0.0);
    EXPECT_EQ(IsComposite(K), 1);
    EXPECT_MATRIX_NEAR(DeCompositeToCplx(K), z, 0.0);
    EXPECT_THROW(DeCompositeToCplx(Mat({{1, 2, 3}})), ztmath::MathError);
}

TEST(DualMatrix, InverseGivesTheIdentity) {
    const Matrix A = Sample(5, 10, 33);
    const Matrix Ai = CInv(A);
    const Matrix I = MakeDualMatrix(Eye(5), Eye(5) * 0.0);
    EXPECT_MATRIX_NEAR(CMatMul(A, Ai), I, 1e-12);
    // A complex matrix with a singular real part is still invertible: [i].
    EXPECT_MATRIX_NEAR(CInv(Mat({{0, 1}})), Mat({{0, -1}}), 0.0);
    EXPECT_MATH_ERROR(CInv(Mat({{1, 2, 0, 0}, {0, 0, 1, 2}})), "Singular Matrix");
    EXPECT_THROW(CInv(Mat({{1, 2, 3, 4}})), ztmath::MathError);
}
