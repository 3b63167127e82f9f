#include "tests/matrixlib/matrix_checks.h"

TEST(Power, RealAndComplexPowers) {
    const Matrix A = Mat({{1, 1}, {1, 0}});
    EXPECT_MATRIX_NEAR(Power(A, 10), Mat({{89, 55}, {55, 34}}), 0.0); // Fibonacci
    EXPECT_MATRIX_NEAR(Power(A, 0), Eye(2), 0.0);
    EXPECT_MATRIX_NEAR(Power(A, -3) * Power(A, 3), Eye(2), 1e-13);
    // The most negative exponent has no positive counterpart in int.
    EXPECT_MATRIX_NEAR(Power(Eye(2), INT32_MIN), Eye(2), 0.0);
    EXPECT_MATH_ERROR(Power(Mat({{1, 2}, {2, 4}}), -1), "Singular Matrix");
    EXPECT_MATH_ERROR(Power(Mat({{1, 2}}), 2), "Non-Square Matrix");
    // (1 + i)² = 2i, (1 + i)⁻¹ = (1 − i)/2, [0, i; i, 0]² = −I.
    EXPECT_MATRIX_NEAR(CPower(Mat({{1, 1}}), 2), Mat({{0, 2}}), 1e-15);
    EXPECT_MATRIX_NEAR(CPower(Mat({{1, 1}}), -1), Mat({{0.5, -0.5}}), 1e-15);
    EXPECT_MATRIX_NEAR(CPower(Mat({{0, 0, 0, 1}, {0, 0, 1, 0}}), 2),
                       Mat({{-1, 0, 0, 0}, {0, -1, 0, 0}}), 1e-15);
    EXPECT_THROW(CPower(Mat({{1, 2, 3, 4}}), 2), ztmath::MathError);
}

TEST(Series, KnownValuesAndTheTermLimit) {
    // Eigenvalues −1 and −17: exp(M) = (e⁻¹(M + 17I) − e⁻¹⁷(M + I))/16. A plain
    // Taylor series loses every digit here.
    const Matrix M = Mat({{-49, 24}, {-64, 31}});
    const Matrix expected =
        ((M + Eye(2) * 17.0) * std::exp(-1.0) - (M + Eye(2)) * std::exp(-17.0)) * (1.0 / 16);
    EXPECT_MATRIX_NEAR(expected, Mat({{-0.735759, 0.551819}, {-1.471518, 1.103638}}), 1e-6);
    int count = 0;
    EXPECT_MATRIX_NEAR(Series(&expMatrix, M, 1e-7, &count), expected, 1e-7);
    EXPECT_LE(count, 100);
    EXPECT_MATRIX_NEAR(Series(&expMatrix, M, 1e-15), expected, 1e-12);
    // Exact for a nilpotent matrix; the rotation generator gives the rotation.
    EXPECT_MATRIX_NEAR(Series(&expMatrix, Mat({{0, 2}, {0, 0}}), 1e-7), Mat({{1, 2}, {0, 1}}),
                       1e-15);
    const double c = std::cos(2.0), s = std::sin(2.0);
    EXPECT_MATRIX_NEAR(Series(&expMatrix, Mat({{0, -2}, {2, 0}}), 1e-12), Mat({{c, -s}, {s, c}}),
                       1e-12);
    // A tolerance that can never be met: the series gives up past 100 terms.
    EXPECT_NEAR(Series(&expMatrix, Mat({{1}}), 0.0, &count)(1, 1), std::exp(1.0), 1e-14);
    EXPECT_GT(count, 100);
    EXPECT_THROW(Series(&expMatrix, Mat({{NAN}}), 1e-7), ztmath::MathError);
    EXPECT_NEAR(Series(&sinMatrix, Mat({{2.5}}), 1e-12)(1, 1), std::sin(2.5), 1e-12);
    EXPECT_NEAR(Series(&cosMatrix, Mat({{-40}}), 1e-12)(1, 1), std::cos(-40.0), 1e-10);
    EXPECT_THROW(Series(&sinMatrix, Mat({{1, 2}}), 1e-7), ztmath::MathError);
}
