// Exact linear algebra against answers known independently: closed forms,
// matrices built from their reduced form, products that must come out as
// the identity.

#include "exact/double_reading.h"
#include "exact/exact_algebra.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace {

RationalMatrix Rationals(const std::vector<std::vector<mpq_class>>& rows) {
    RationalMatrix m(static_cast<int>(rows.size()), rows.empty() ? 0 : static_cast<int>(rows[0].size()));
    for (int i = 1; i <= m.Rows(); ++i)
        for (int j = 1; j <= m.Columns(); ++j) {
            m(i, j) = rows[i - 1][j - 1];
            m(i, j).canonicalize();
        }
    return m;
}

// The product written out here, apart from the library's.
RationalMatrix Times(const RationalMatrix& a, const RationalMatrix& b) {
    RationalMatrix c(a.Rows(), b.Columns());
    for (int i = 1; i <= a.Rows(); ++i)
        for (int j = 1; j <= b.Columns(); ++j)
            for (int k = 1; k <= a.Columns(); ++k)
                c(i, j) += a(i, k) * b(k, j);
    return c;
}

RationalMatrix RandomIntegers(std::mt19937_64& random, int rows, int columns, int range) {
    std::uniform_int_distribution<int> value(-range, range);
    RationalMatrix m(rows, columns);
    for (int i = 1; i <= rows; ++i)
        for (int j = 1; j <= columns; ++j)
            m(i, j) = value(random);
    return m;
}

TEST(ExactInverse, OfTheTwoByTwoExample) {
    const ExactResult<RationalMatrix> inverse = ExactInverse(Rationals({{2, 1}, {4, 3}}));
    ASSERT_TRUE(inverse.IsDone());
    EXPECT_EQ(inverse.value, Rationals({{mpq_class(3, 2), mpq_class(-1, 2)}, {-2, 1}}));
}

TEST(ExactInverse, TimesTheMatrixIsTheIdentity) {
    std::mt19937_64 random(11);
    for (int n = 1; n <= 12; ++n) {
        const RationalMatrix a = RandomIntegers(random, n, n, 9);
        const ExactResult<RationalMatrix> inverse = ExactInverse(a);
        if (!inverse.IsDone()) continue;
        EXPECT_EQ(Times(a, inverse.value), RationalMatrix::Identity(n)) << n;
    }
}

TEST(ExactInverse, RefusesSingularNonSquareAndLargeMatrices) {
    EXPECT_EQ(ExactInverse(Rationals({{1, 2}, {2, 4}})).status, ExactStatus::Singular);
    EXPECT_EQ(ExactInverse(RationalMatrix(3, 3)).status, ExactStatus::Singular);
    EXPECT_EQ(ExactInverse(RationalMatrix(2, 3)).status, ExactStatus::NotSquare);
    EXPECT_EQ(ExactInverse(RationalMatrix::Identity(61)).status, ExactStatus::TooLarge);
    EXPECT_TRUE(ExactInverse(RationalMatrix::Identity(60)).IsDone());
    EXPECT_TRUE(ExactInverse(RationalMatrix()).IsDone());
}

// Its elements are the doubles nearest to 1/(i + j − 1), read back as
// those fractions; det H5 = 1/266716800000 (the known closed form).
TEST(ExactDeterminant, OfTheFiveByFiveHilbertMatrixFromDoubles) {
    NEWMAT::Matrix h(5, 5);
    for (int i = 1; i <= 5; ++i)
        for (int j = 1; j <= 5; ++j)
            h(i, j) = 1.0 / (i + j - 1);
    const std::optional<RationalMatrix> exact = ReadRationalMatrix(h);
    ASSERT_TRUE(exact);
    const ExactResult<mpq_class> det = ExactDeterminant(*exact);
    ASSERT_TRUE(det.IsDone());
    EXPECT_EQ(det.value, mpq_class(mpz_class(1), mpz_class("266716800000")));
}

TEST(ExactDeterminant, OfTriangularPermutedAndSingularMatrices) {
    // Rows of an upper triangular matrix in another order: the product of
    // the diagonal, the sign of the permutation (two swaps: even).
    const RationalMatrix a = Rationals({{0, 0, mpq_class(5, 3)}, {2, 7, 1}, {0, mpq_class(-1, 2), 4}});
    EXPECT_EQ(ExactDeterminant(a).value, mpq_class(2) * mpq_class(-1, 2) * mpq_class(5, 3));
    EXPECT_EQ(ExactDeterminant(Rationals({{1, 2, 3}, {4, 5, 6}, {7, 8, 9}})).value, 0);
    EXPECT_EQ(ExactDeterminant(RationalMatrix()).value, 1);
    EXPECT_EQ(ExactDeterminant(RationalMatrix(2, 3)).status, ExactStatus::NotSquare);
}

TEST(ExactAdjugate, IsTheDeterminantTimesTheInverse) {
    EXPECT_EQ(ExactAdjugate(Rationals({{1, 2}, {3, 4}})).value, Rationals({{4, -2}, {-3, 1}}));
    const RationalMatrix a = Rationals({{mpq_class(1, 2), 3, 0}, {1, 1, 1}, {-2, 0, mpq_class(2, 3)}});
    const ExactResult<RationalMatrix> adjugate = ExactAdjugate(a);
    ASSERT_TRUE(adjugate.IsDone());
    RationalMatrix detI = RationalMatrix::Identity(3);
    for (int i = 1; i <= 3; ++i)
        detI(i, i) = ExactDeterminant(a).value;
    EXPECT_EQ(Times(a, adjugate.value), detI);
    EXPECT_EQ(ExactAdjugate(Rationals({{1, 2}, {2, 4}})).status, ExactStatus::Singular);
}

// A 6 x 6 matrix of rank 4 made as C·R from a reduced form R with two
// free columns: its reduced form is R above two zero rows.
TEST(ExactRref, OfAnIntegerMatrixOfRankFour) {
    const RationalMatrix r = Rationals({{1, 2, 0, 0, -3, 0},
                                        {0, 0, 1, 0, 4, 0},
                                        {0, 0, 0, 1, 5, 0},
                                        {0, 0, 0, 0, 0, 1},
                                        {0, 0, 0, 0, 0, 0},
                                        {0, 0, 0, 0, 0, 0}});
    const RationalMatrix c = Rationals({{2, 1, 0, 3, 0, 0},
                                        {-1, 4, 2, 0, 0, 0},
                                        {3, 0, 1, 1, 0, 0},
                                        {0, 2, -2, 5, 0, 0},
                                        {1, 1, 1, 1, 0, 0},
                                        {4, -3, 2, 2, 0, 0}});
    const RationalMatrix a = Times(c, r);
    const ExactResult<RationalMatrix> reduced = ExactRref(a);
    ASSERT_TRUE(reduced.IsDone());
    EXPECT_EQ(reduced.value, r);
}

TEST(ExactRref, OfWideTallZeroAndLargeMatrices) {
    EXPECT_EQ(ExactRref(Rationals({{0, 2, 4, 6}, {0, 1, 3, 5}})).value,
              Rationals({{0, 1, 0, -1}, {0, 0, 1, 2}}));
    EXPECT_EQ(ExactRref(Rationals({{2}, {4}, {0}})).value, Rationals({{1}, {0}, {0}}));
    EXPECT_EQ(ExactRref(RationalMatrix(3, 2)).value, RationalMatrix(3, 2));
    EXPECT_EQ(ExactRref(RationalMatrix(2, 61)).status, ExactStatus::TooLarge);
}

TEST(ExactSolve, OfAnIntegerSystemGivesTheFractions) {
    // A·x0 = b for a known x0 of fractions.
    const RationalMatrix a = Rationals({{3, -1, 2, 0}, {1, 4, 0, -2}, {0, 5, 7, 1}, {2, 0, -3, 6}});
    const RationalMatrix x0 =
        Rationals({{mpq_class(1, 3), -2}, {mpq_class(-5, 7), 0}, {4, mpq_class(1, 11)}, {0, 1}});
    const ExactResult<RationalMatrix> x = ExactSolve(a, Times(a, x0));
    ASSERT_TRUE(x.IsDone());
    EXPECT_EQ(x.value, x0);
    EXPECT_EQ(ExactSolve(Rationals({{1, 1}, {1, 1}}), Rationals({{1}, {2}})).status,
              ExactStatus::Singular);
    EXPECT_EQ(ExactSolve(a, Rationals({{1}, {2}})).status, ExactStatus::SizeMismatch);
}

TEST(ExactProducts, QuotientAndShapes) {
    const RationalMatrix a = Rationals({{mpq_class(1, 2), 1}, {0, mpq_class(-1, 3)}});
    const RationalMatrix b = Rationals({{2, 1}, {4, 3}});
    EXPECT_EQ(ExactDifference(a, b).value, Rationals({{mpq_class(-3, 2), 0}, {-4, mpq_class(-10, 3)}}));
    const ExactResult<RationalMatrix> quotient = ExactQuotient(a, b);
    ASSERT_TRUE(quotient.IsDone());
    EXPECT_EQ(Times(quotient.value, b), a);
    EXPECT_EQ(ExactSum(a, RationalMatrix(2, 3)).status, ExactStatus::SizeMismatch);
    EXPECT_EQ(ExactProduct(a, RationalMatrix(3, 1)).status, ExactStatus::SizeMismatch);
    EXPECT_EQ(ExactProduct(RationalMatrix(61, 2), b).status, ExactStatus::TooLarge);
    EXPECT_EQ(ExactQuotient(a, Rationals({{1, 1}, {1, 1}})).status, ExactStatus::Singular);
}

} // namespace
