#include "tests/matrixlib/matrix_checks.h"

TEST(Power, SquaringIdentityAndInverse) {
    const Matrix A = Mat({{1, 1}, {1, 0}});
    EXPECT_MATRIX_NEAR(Power(A, 10), Mat({{89, 55}, {55, 34}}), 0.0); // Fibonacci
    EXPECT_MATRIX_NEAR(Power(A, 0), Eye(2), 0.0);
    EXPECT_MATRIX_NEAR(Power(A, -3) * Power(A, 3), Eye(2), 1e-13);
    try {
        Power(Mat({{1, 2}, {2, 4}}), -1);
        FAIL() << "singular matrix inverted";
    } catch (const ztmath::MathError& e) {
        EXPECT_STREQ(e.what(), "Singular Matrix");
    }
    try {
        Power(Mat({{1, 2}}), 2);
        FAIL() << "non-square power";
    } catch (const ztmath::MathError& e) {
        EXPECT_STREQ(e.what(), "Non-Square Matrix");
    }
    // The most negative exponent has no positive counterpart in int.
    EXPECT_MATRIX_NEAR(Power(Eye(2), INT32_MIN), Eye(2), 0.0);
}

TEST(Power, ComplexPowers) {
    // (1 + i)² = 2i, (1 + i)⁻¹ = (1 − i)/2.
    const Matrix z = Mat({{1, 1}});
    EXPECT_MATRIX_NEAR(CPower(z, 2), Mat({{0, 2}}), 1e-15);
    EXPECT_MATRIX_NEAR(CPower(z, -1), Mat({{0.5, -0.5}}), 1e-15);
    // [0, i; i, 0]² = −I.
    EXPECT_MATRIX_NEAR(CPower(Mat({{0, 0, 0, 1}, {0, 0, 1, 0}}), 2),
                       Mat({{-1, 0, 0, 0}, {0, -1, 0, 0}}), 1e-15);
    EXPECT_THROW(CPower(Mat({{1, 2, 3, 4}}), 2), ztmath::MathError);
}

TEST(Series, ExponentialWhereThePlainSeriesFails) {
    // Eigenvalues −1 and −17: exp(M) = (e⁻¹(M + 17I) − e⁻¹⁷(M + I))/16.
    const Matrix M = Mat({{-49, 24}, {-64, 31}});
    const Matrix expected =
        ((M + Eye(2) * 17.0) * std::exp(-1.0) - (M + Eye(2)) * std::exp(-17.0)) * (1.0 / 16);
    EXPECT_MATRIX_NEAR(expected, Mat({{-0.735759, 0.551819}, {-1.471518, 1.103638}}), 1e-6);
    Matrix E = M;
    int count = 0;
    expMatrix(E, 1e-7, count);
    EXPECT_MATRIX_NEAR(E, expected, 1e-7);
    EXPECT_GT(count, 1);
    EXPECT_LE(count, 100);
    E = M;
    expMatrix(E, 1e-15, count);
    EXPECT_MATRIX_NEAR(E, expected, 1e-12);
}

TEST(Series, ExactCasesAndConvergenceCount) {
    Matrix N = Mat({{0, 2}, {0, 0}});
    int count = 0;
    expMatrix(N, 1e-7, count);
    EXPECT_MATRIX_NEAR(N, Mat({{1, 2}, {0, 1}}), 1e-15);
    // A tolerance that can never be met: the series gives up past 100 terms.
    Matrix one = Mat({{1}});
    expMatrix(one, 0.0, count);
    EXPECT_GT(count, 100);
    EXPECT_NEAR(one(1, 1), std::exp(1.0), 1e-14);
    Matrix x = Mat({{2.5}});
    sinMatrix(x, 1e-12, count);
    EXPECT_NEAR(x(1, 1), std::sin(2.5), 1e-12);
    x = Mat({{-40}});
    cosMatrix(x, 1e-12, count);
    EXPECT_NEAR(x(1, 1), std::cos(-40.0), 1e-10);
    Matrix big = Mat({{1e300}});
    expMatrix(big, 1e-7, count); // overflows, but ends
    Matrix nan = Mat({{NAN}});
    EXPECT_THROW(expMatrix(nan, 1e-7, count), ztmath::MathError);
    Matrix wide = Mat({{1, 2}});
    EXPECT_THROW(sinMatrix(wide, 1e-7, count), ztmath::MathError);
}

TEST(Series, SineAndCosineIdentities) {
    const Matrix A = Sample(4, 4, 21) * 3.0;
    Matrix S = A, C = A;
    int count = 0;
    sinMatrix(S, 1e-12, count);
    cosMatrix(C, 1e-12, count);
    EXPECT_MATRIX_NEAR(S * S + C * C, Eye(4), 1e-10);
    // Rotation generator: exp, sin and cos of [0, −t; t, 0] are known.
    const double t = 2.0;
    Matrix R = Mat({{0, -t}, {t, 0}});
    Matrix E = R;
    expMatrix(E, 1e-12, count);
    EXPECT_MATRIX_NEAR(E, Mat({{std::cos(t), -std::sin(t)}, {std::sin(t), std::cos(t)}}), 1e-12);
}
