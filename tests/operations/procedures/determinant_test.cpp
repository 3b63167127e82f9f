#include <complex>
#include <vector>

#include "matrixlib/ztmath.h"
#include "operations/procedures/determinant_procedures.h"
#include "tests/matrixlib/matrix_checks.h"

namespace {

using Complex = std::complex<double>;

// The determinant of a dual matrix by complex Gaussian elimination.
Complex ComplexDeterminant(const Matrix& dual) {
    const int n = dual.Nrows();
    std::vector<std::vector<Complex>> a(n, std::vector<Complex>(n));
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j)
            a[i][j] = {dual(i + 1, j + 1), dual(i + 1, n + j + 1)};
    Complex det = 1.0;
    for (int k = 0; k < n; ++k) {
        int p = k;
        for (int i = k + 1; i < n; ++i)
            if (std::abs(a[i][k]) > std::abs(a[p][k])) p = i;
        if (p != k) std::swap(a[p], a[k]), det = -det;
        det *= a[k][k];
        for (int i = k + 1; i < n; ++i) {
            const Complex f = a[i][k] / a[k][k];
            for (int j = k; j < n; ++j)
                a[i][j] -= f * a[k][j];
        }
    }
    return det;
}

TEST(DeterminantTest, RealAdjugateTimesMatrixIsDeterminantTimesIdentity) {
    struct Case {
        Matrix m;
        Matrix adjugate;
    };
    const Case known[] = {
        {Mat({{5}}), Mat({{1}})},
        // The determinant is out of the double range, the adjugate is not.
        {Mat({{1e-200, 2e-200}, {3e-200, 4e-200}}),
         Mat({{4e-200, -2e-200}, {-3e-200, 1e-200}})},
        {Mat({{1e200, 2e200}, {3e200, 4e200}}), Mat({{4e200, -2e200}, {-3e200, 1e200}})},
    };
    for (const Case& c : known) {
        Matrix adjugate;
        ASSERT_TRUE(RealAdjugate(c.m, adjugate));
        const double scale = c.adjugate.MaximumAbsoluteValue();
        EXPECT_MATRIX_NEAR(adjugate, c.adjugate, 1e-14 * scale);
    }
    for (int n : {3, 30}) {
        const Matrix m = Sample(n, n, n) * 10.0;
        Matrix adjugate;
        ASSERT_TRUE(RealAdjugate(m, adjugate));
        const double det = m.Determinant();
        EXPECT_MATRIX_NEAR(adjugate * m, Matrix(NEWMAT::IdentityMatrix(n) * det),
                           1e-11 * std::fabs(det) * n);
    }
}

TEST(DeterminantTest, AdjugateRefusesSingularMatricesByTheLuRule) {
    const Matrix singular[] = {
        Mat({{1, 2}, {2, 4}}),
        Mat({{0.1, 0.2, 0.3}, {0.4, 0.5, 0.6}, {0.7, 0.8, 0.9}}), // not exactly singular in binary
        Mat({{1, 2, 3}, {4, 5, 6}}),
        Mat({{1, std::nan("")}, {3, 4}}),
    };
    // The command's refusal of typed singular and wide matrices is pinned by
    // the complex_mode transcript.
    Matrix adjugate;
    for (const Matrix& m : singular)
        EXPECT_FALSE(RealAdjugate(m, adjugate));
    // Large and invertible: its determinant underflows, yet it is no singular matrix.
    Matrix m = NEWMAT::IdentityMatrix(200) * 0.01;
    m(1, 2) = 0.005;
    ASSERT_TRUE(RealAdjugate(m, adjugate));
    EXPECT_TRUE(std::isfinite(adjugate(1, 1)));
}

// The determinant of a Hermitian matrix is real and the product of its
// eigenvalues, however close or repeated they are; the adjugate times the
// matrix is the determinant times the identity.
TEST(DeterminantTest, HermitianDeterminantMatchesComplexElimination) {
    const Matrix cases[] = {
        Mat({{2, 0, 0, -1}, {0, 3, 1, 0}}),                              // det 5
        Mat({{2, 0, 0, 0, 0, 0}, {0, 2, 0, 0, 0, 0}, {0, 0, 2, 0, 0, 0}}), // 2I: det 8
        Mat({{-1, 0, 0, 0, 0, 0}, {0, 2, 0, 0, 0, 0}, {0, 0, 3, 0, 0, 0}}),
        Mat({{-4, 0}}),
        RandomHermitian(4, 4, -10, 10),
        RandomHermitian(16, 16, -10, 10),
    };
    Matrix adjugate;
    for (const Matrix& h : cases) {
        const Complex expected = ComplexDeterminant(h);
        ASSERT_NEAR(expected.imag(), 0.0, 1e-9 * std::abs(expected));
        const double det = HermitianDeterminant(h).Value();
        EXPECT_NEAR(det, expected.real(), 1e-11 * std::abs(expected));
        const int n = h.Nrows();
        ASSERT_TRUE(HermitianAdjugate(h, adjugate));
        EXPECT_MATRIX_NEAR(CMatMul(adjugate, h), MakeDualMatrix(Eye(n) * det, Eye(n) * 0.0),
                           1e-11 * std::fabs(det) * n);
    }
    // Hermitian and singular: [1 i; -i 1] has determinant 1 - 1 = 0.
    EXPECT_FALSE(HermitianAdjugate(Mat({{1, 0, 0, 1}, {0, 1, -1, 0}}), adjugate));
}

} // namespace
