// The accuracy report against the truth: Hilbert matrices, whose inverse
// is known in closed form, and residuals of good and spoilt solutions.

#include "exact/accuracy.h"

#include "matrixlib/linear_solvers.h"

#include <gtest/gtest.h>
#include <gmpxx.h>

#include <cmath>
#include <vector>

namespace {

NEWMAT::Matrix Hilbert(int n) {
    NEWMAT::Matrix h(n, n);
    for (int i = 1; i <= n; ++i)
        for (int j = 1; j <= n; ++j)
            h(i, j) = 1.0 / (i + j - 1);
    return h;
}

mpz_class Binomial(unsigned long n, unsigned long k) {
    mpz_class b;
    mpz_bin_uiui(b.get_mpz_t(), n, k);
    return b;
}

// (H⁻¹)ij = (−1)^(i+j) (i+j−1) C(n+i−1, n−j) C(n+j−1, n−i) C(i+j−2, i−1)².
std::vector<std::vector<mpz_class>> HilbertInverse(int n) {
    std::vector<std::vector<mpz_class>> inverse(n, std::vector<mpz_class>(n));
    for (int i = 1; i <= n; ++i)
        for (int j = 1; j <= n; ++j) {
            const mpz_class c = Binomial(i + j - 2, i - 1);
            inverse[i - 1][j - 1] = ((i + j) % 2 ? -1 : 1) * (i + j - 1) * Binomial(n + i - 1, n - j) *
                                    Binomial(n + j - 1, n - i) * c * c;
        }
    return inverse;
}

// ‖H‖₁·‖H⁻¹‖₁ of the exact Hilbert matrix (its first column has the
// largest sum, 1 + 1/2 + ... + 1/n).
double TrueCondition(int n) {
    mpq_class norm = 0;
    for (int i = 1; i <= n; ++i)
        norm += mpq_class(1, i);
    mpz_class inverseNorm = 0;
    const auto inverse = HilbertInverse(n);
    for (int j = 0; j < n; ++j) {
        mpz_class sum = 0;
        for (int i = 0; i < n; ++i)
            sum += abs(inverse[i][j]);
        if (sum > inverseNorm) inverseNorm = sum;
    }
    return mpq_class(norm * inverseNorm).get_d();
}

// −log10 of the largest error of X against the exact inverse, relative
// to the inverse's largest element.
double AgreeingDigits(const NEWMAT::Matrix& X, int n) {
    const auto inverse = HilbertInverse(n);
    mpq_class largest = 0;
    mpq_class error = 0;
    for (int i = 1; i <= n; ++i)
        for (int j = 1; j <= n; ++j) {
            largest = std::max(largest, mpq_class(abs(inverse[i - 1][j - 1])));
            error = std::max(error, mpq_class(abs(mpq_class(X(i, j)) - inverse[i - 1][j - 1])));
        }
    return -std::log10(mpq_class(error / largest).get_d());
}

TEST(Accuracy, OfHilbertMatricesIsTheConditionAndNoMoreDigitsThanAgree) {
    for (int n = 4; n <= 10; ++n) {
        const NEWMAT::Matrix h = Hilbert(n);
        const Accuracy accuracy = *AccuracyOf(h);
        const double truth = TrueCondition(n);
        EXPECT_GT(accuracy.condition, truth / 10) << n;
        EXPECT_LT(accuracy.condition, truth * 10) << n;
        EXPECT_LE(accuracy.trustedDigits, AgreeingDigits(Inverse(h), n)) << n;
        EXPECT_EQ(accuracy.nearSingular, n >= 9) << n;
    }
}

TEST(Accuracy, OfSingularAndWellConditionedMatrices) {
    NEWMAT::Matrix singular(2, 2);
    singular << 1 << 2 << 2 << 4;
    const Accuracy zero = *AccuracyOf(singular);
    EXPECT_EQ(zero.trustedDigits, 0);
    EXPECT_TRUE(zero.nearSingular);
    EXPECT_EQ(AccuracyText(zero), "condition inf, 0 digits trusted");
    NEWMAT::Matrix identity(3, 3);
    identity = 0;
    identity(1, 1) = identity(2, 2) = identity(3, 3) = 1;
    EXPECT_EQ(AccuracyText(*AccuracyOf(identity)), "condition 1.0e+00, 16 digits trusted");
    EXPECT_FALSE(AccuracyOf(NEWMAT::Matrix(2, 3)));
}

TEST(Accuracy, ResidualOfASolveIsSmallUnlessTheSolutionIsSpoilt) {
    const NEWMAT::Matrix h = Hilbert(6);
    NEWMAT::Matrix b(6, 1);
    for (int i = 1; i <= 6; ++i)
        b(i, 1) = i;
    NEWMAT::Matrix x = b;
    GetLuSolVec(h, x);
    const Accuracy solved = *SolveAccuracy(h, x, b);
    ASSERT_TRUE(solved.residual);
    EXPECT_LT(*solved.residual, 1e-15);
    x(1, 1) *= 1 + 1e-6;
    EXPECT_GT(*SolveAccuracy(h, x, b)->residual, 1e-11);
    EXPECT_NE(AccuracyText(solved).find(", residual "), std::string::npos);
    EXPECT_FALSE(SolveAccuracy(h, b, NEWMAT::Matrix(5, 1)));
}

} // namespace
