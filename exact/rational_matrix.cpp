#include "exact/rational_matrix.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

RationalMatrix::RationalMatrix(int rows, int columns)
    : rows_(rows), columns_(columns),
      elements_(static_cast<std::size_t>(rows) * static_cast<std::size_t>(columns)) {}

RationalMatrix RationalMatrix::Identity(int n) {
    RationalMatrix m(n, n);
    for (int i = 1; i <= n; ++i)
        m(i, i) = 1;
    return m;
}

namespace {

// x·2^bits, rounded down when bits < 0 (x >= 0).
mpz_class Shifted(const mpz_class& x, long bits) {
    mpz_class result;
    if (bits >= 0)
        mpz_mul_2exp(result.get_mpz_t(), x.get_mpz_t(), static_cast<mp_bitcnt_t>(bits));
    else
        mpz_fdiv_q_2exp(result.get_mpz_t(), x.get_mpz_t(), static_cast<mp_bitcnt_t>(-bits));
    return result;
}

long BitLength(const mpz_class& x) {
    return static_cast<long>(mpz_sizeinbase(x.get_mpz_t(), 2));
}

} // namespace

double NearestDouble(const mpq_class& q) {
    if (sgn(q) == 0) return 0.0;
    const mpz_class n = abs(q.get_num());
    const mpz_class& d = q.get_den();
    // e = floor(log2(n/d)).
    long e = BitLength(n) - BitLength(d);
    if (e >= 0 ? n < Shifted(d, e) : Shifted(n, -e) < d) --e;
    if (e > 1024) return sgn(q) < 0 ? -HUGE_VAL : HUGE_VAL;
    // The weight of the last mantissa bit in e's binade (subnormals share
    // the lowest one); n/d = (quotient + remainder/denominator)·2^unit.
    const long unit = std::max(e, -1022L) - 52;
    mpz_class numerator = unit < 0 ? Shifted(n, -unit) : n;
    const mpz_class denominator = unit > 0 ? Shifted(d, unit) : d;
    mpz_class quotient;
    mpz_class remainder;
    mpz_fdiv_qr(quotient.get_mpz_t(), remainder.get_mpz_t(), numerator.get_mpz_t(),
                denominator.get_mpz_t());
    const int half = cmp(Shifted(remainder, 1), denominator);
    if (half > 0 || (half == 0 && mpz_odd_p(quotient.get_mpz_t()))) ++quotient;
    // At most 2^53, so exactly a double; ldexp scales without rounding, or
    // overflows to infinity.
    const double magnitude =
        std::ldexp(static_cast<double>(mpz_get_ui(quotient.get_mpz_t())), static_cast<int>(unit));
    return sgn(q) < 0 ? -magnitude : magnitude;
}

NEWMAT::Matrix NearestDoubles(const RationalMatrix& m) {
    NEWMAT::Matrix result(m.Rows(), m.Columns());
    double* to = result.Store();
    for (int i = 1; i <= m.Rows(); ++i)
        for (int j = 1; j <= m.Columns(); ++j)
            *to++ = NearestDouble(m(i, j));
    return result;
}
