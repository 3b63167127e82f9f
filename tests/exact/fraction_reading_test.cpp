// Doubles read as fractions and decimals, the rounding back to doubles,
// and the Fraction format's texts.

#include "exact/double_reading.h"
#include "exact/fraction_text.h"
#include "exact/rational_matrix.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

namespace {

mpq_class Q(long p, long q = 1) {
    mpq_class r(p, q);
    r.canonicalize();
    return r;
}

// Whether the double nearest to q is `value`: no neighbour is nearer, and
// a tie goes to the even one.
bool RoundsTo(const mpq_class& q, double value) {
    const mpq_class distance = abs(mpq_class(value) - q);
    for (const double neighbour : {std::nextafter(value, -HUGE_VAL), std::nextafter(value, HUGE_VAL)}) {
        if (!std::isfinite(neighbour)) continue;
        const mpq_class other = abs(mpq_class(neighbour) - q);
        if (other < distance) return false;
    }
    return true;
}

TEST(SimplestFraction, FindsTheFractionsDoublesWereMadeFrom) {
    EXPECT_EQ(SimplestFraction(1.0 / 3), Q(1, 3));
    EXPECT_EQ(SimplestFraction(0.1), Q(1, 10));
    EXPECT_EQ(SimplestFraction(-2.0 / 7), Q(-2, 7));
    EXPECT_EQ(SimplestFraction(355.0 / 113), Q(355, 113));
    EXPECT_EQ(SimplestFraction(1.0 / 999999999989.0), Q(1, 999999999989));
    EXPECT_EQ(SimplestFraction(0.0), Q(0));
    EXPECT_EQ(SimplestFraction(-0.0), Q(0));
    // Integers are themselves, however large.
    EXPECT_EQ(SimplestFraction(std::ldexp(1.0, 60)), mpq_class(mpz_class("1152921504606846976")));
    EXPECT_EQ(SimplestFraction(-9007199254740993.0), Q(-9007199254740992));
}

TEST(SimplestFraction, NoneWhereNoSmallDenominatorRoundsToTheDouble) {
    EXPECT_FALSE(SimplestFraction(1e-300));
    EXPECT_FALSE(SimplestFraction(0.1 + 0.2)); // one unit above 3/10
    EXPECT_FALSE(SimplestFraction(std::numeric_limits<double>::denorm_min()));
    EXPECT_FALSE(SimplestFraction(std::numeric_limits<double>::quiet_NaN()));
    EXPECT_FALSE(SimplestFraction(HUGE_VAL));
    EXPECT_FALSE(SimplestFraction(-HUGE_VAL));
}

// For random doubles: a fraction found rounds to the double, its
// denominator is within the limit, and no smaller denominator rounds to
// the double (checked by the nearest fraction for each smaller q).
TEST(SimplestFraction, IsTheSimplestThatRoundsToTheDouble) {
    std::mt19937_64 random(7);
    std::uniform_int_distribution<long> small(-60, 60);
    std::uniform_int_distribution<long> denominator(1, 60);
    for (int n = 0; n < 300; ++n) {
        // Off a simple fraction by a little: the sum is a fraction whose
        // denominator is at most 60·2^30, so a fraction exists.
        const double value = static_cast<double>(small(random)) / static_cast<double>(denominator(random)) +
                             (n % 3 == 0 ? std::ldexp(1.0, -30) : 0.0);
        const std::optional<mpq_class> fraction = SimplestFraction(value);
        ASSERT_TRUE(fraction) << value;
        EXPECT_TRUE(RoundsTo(*fraction, value)) << value;
        EXPECT_LE(fraction->get_den(), 1000000000000L);
        if (fraction->get_den() > 200) continue;
        for (long q = 1; q < fraction->get_den(); ++q) {
            mpq_class nearest(mpz_class(static_cast<long>(std::nearbyint(value * q))), q);
            nearest.canonicalize();
            EXPECT_NE(NearestDouble(nearest), value) << value << " " << q;
        }
    }
}

TEST(ShortDecimal, IsTheShortestDecimalOfAtMostFifteenDigits) {
    EXPECT_EQ(ShortDecimal(1e-300), mpq_class(mpz_class(1), mpz_class("1" + std::string(300, '0'))));
    EXPECT_EQ(ShortDecimal(0.1), Q(1, 10));
    EXPECT_EQ(ShortDecimal(-1234.5), Q(-2469, 2));
    EXPECT_EQ(ShortDecimal(1.5e20), mpq_class(mpz_class("150000000000000000000")));
    EXPECT_EQ(ShortDecimal(0.123456789012345), Q(123456789012345, 1000000000000000));
    EXPECT_FALSE(ShortDecimal(0.1 + 0.2));
    EXPECT_FALSE(ShortDecimal(std::numeric_limits<double>::quiet_NaN()));
}

TEST(ReadRationalMatrix, TakesFractionsFirstThenDecimalsElseNothing) {
    NEWMAT::Matrix m(1, 3);
    m << 1.0 / 3 << 2.5e-20 << 7;
    const std::optional<RationalMatrix> read = ReadRationalMatrix(m);
    ASSERT_TRUE(read);
    EXPECT_EQ((*read)(1, 1), Q(1, 3));
    EXPECT_EQ((*read)(1, 2), mpq_class(mpz_class(1), mpz_class("40000000000000000000")));
    EXPECT_EQ((*read)(1, 3), Q(7));
    m(1, 2) = 0.1 + 0.2;
    EXPECT_FALSE(ReadRationalMatrix(m));
    m(1, 2) = std::numeric_limits<double>::infinity();
    EXPECT_FALSE(ReadRationalMatrix(m));
}

TEST(NearestDouble, RoundsToNearestWhereTruncationWouldNot) {
    // 2/3 truncated is one unit below the nearest double.
    EXPECT_EQ(NearestDouble(Q(2, 3)), 2.0 / 3);
    EXPECT_EQ(NearestDouble(Q(-2, 3)), -2.0 / 3);
    // Ties go to the even mantissa: 2^53 + 1 and 2^53 + 3.
    EXPECT_EQ(NearestDouble(mpq_class(mpz_class("9007199254740993"))), 9007199254740992.0);
    EXPECT_EQ(NearestDouble(mpq_class(mpz_class("9007199254740995"))), 9007199254740996.0);
    // Subnormal, overflow and underflow.
    const mpq_class tiny(mpz_class(3), mpz_class(1) << 1075); // 1.5 × the least subnormal
    EXPECT_EQ(NearestDouble(tiny), 2 * std::numeric_limits<double>::denorm_min());
    EXPECT_EQ(NearestDouble(mpq_class(mpz_class(1), mpz_class(1) << 1080)), 0.0);
    EXPECT_EQ(NearestDouble(mpq_class(mpz_class(1) << 1024)), HUGE_VAL);
    EXPECT_EQ(NearestDouble(-mpq_class(mpz_class(1) << 1100)), -HUGE_VAL);

    // IEEE division rounds p/q to nearest: an oracle for small p and q.
    for (long p = -40; p <= 40; ++p)
        for (long q = 1; q <= 1000; q += 7)
            ASSERT_EQ(NearestDouble(Q(p, q)), static_cast<double>(p) / static_cast<double>(q)) << p << "/" << q;

    std::mt19937_64 random(3);
    std::uniform_int_distribution<long> part(-1000000000000L, 1000000000000L);
    for (int n = 0; n < 2000; ++n) {
        long q = part(random);
        if (q == 0) q = 1;
        mpq_class x(mpz_class(part(random)) * mpz_class(part(random)), mpz_class(q) * (n % 97 + 1));
        x.canonicalize();
        EXPECT_TRUE(RoundsTo(x, NearestDouble(x))) << x.get_str();
    }
}

TEST(FractionText, WritesFractionsIntegersAndDecimals) {
    EXPECT_EQ(FractionText(1.5), "3/2");
    EXPECT_EQ(FractionText(-0.5), "-1/2");
    EXPECT_EQ(FractionText(-2.0), "-2");
    EXPECT_EQ(FractionText(1e-300), "1e-300");
    EXPECT_EQ(FractionText(0.1 + 0.2), "0.30000000000000004");
    EXPECT_EQ(FractionText(-HUGE_VAL), "-inf");
    EXPECT_EQ(FractionText(std::numeric_limits<double>::quiet_NaN()), "nan");
}

TEST(FormatFraction, LaysOutColumnsAsTheOtherFormats) {
    NEWMAT::Matrix m(2, 2);
    m << 1.5 << -0.5 << -2 << 1;
    EXPECT_EQ(FormatFraction(m, 4), "3/2    -1/2\r\n-2    1\r\n");
    EXPECT_EQ(FormatFraction(m, 2, ColumnLayout::Aligned), "3/2  -1/2\r\n -2     1\r\n");
    EXPECT_EQ(FormatFraction(NEWMAT::Matrix(), 4), "");
}

} // namespace
