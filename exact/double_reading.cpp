#include "exact/double_reading.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

// An end of an interval of positive rationals; `included` tells whether
// the end itself belongs to it. An open upper end may be infinite.
struct End {
    mpq_class value;
    bool included = false;
    bool infinite = false;
};

// Whether the integer k lies in (lo, hi) with the ends' inclusion.
bool Contains(const End& lo, const End& hi, const mpz_class& k) {
    const int above = cmp(mpq_class(k), lo.value);
    if (above < 0 || (above == 0 && !lo.included)) return false;
    if (hi.infinite) return true;
    const int below = cmp(mpq_class(k), hi.value);
    return below < 0 || (below == 0 && hi.included);
}

// The smallest integer that lies above lo (or on it, when it is included).
mpz_class FirstIntegerFrom(const End& lo) {
    mpz_class k;
    mpz_fdiv_q(k.get_mpz_t(), lo.value.get_num_mpz_t(), lo.value.get_den_mpz_t());
    if (cmp(mpq_class(k), lo.value) < 0 || !lo.included) ++k;
    return k;
}

// The fraction with the smallest denominator in the interval (lo, hi) of
// positive reals, by its continued fraction: when no integer lies in the
// interval both ends share the integer part a, and the rest is 1 over the
// simplest number in the reciprocal interval. None once the denominator
// passes the limit (the denominators of the partial results only grow).
std::optional<mpq_class> SimplestInInterval(End lo, End hi) {
    // The convergents h/k of the terms so far: h = a·h1 + h2, k = a·k1 + k2.
    mpz_class h1 = 1, k1 = 0, h2 = 0, k2 = 1;
    for (;;) {
        mpz_class a = FirstIntegerFrom(lo);
        const bool last = Contains(lo, hi, a);
        if (!last) mpz_fdiv_q(a.get_mpz_t(), lo.value.get_num_mpz_t(), lo.value.get_den_mpz_t());
        const mpz_class h = a * h1 + h2;
        const mpz_class k = a * k1 + k2;
        if (k > static_cast<long>(kLargestFractionDenominator)) return std::nullopt;
        if (last) return mpq_class(h, k);
        h2 = h1;
        k2 = k1;
        h1 = h;
        k1 = k;
        // x in (lo, hi) with integer part a ⇔ 1/(x − a) in (1/(hi − a), 1/(lo − a)).
        End next_lo{1 / (hi.value - a), hi.included, false};
        End next_hi;
        if (lo.value == a) {
            next_hi.infinite = true;
        } else {
            next_hi.value = 1 / (lo.value - a);
            next_hi.included = lo.included;
        }
        lo = next_lo;
        hi = next_hi;
        lo.value.canonicalize();
        hi.value.canonicalize();
    }
}

} // namespace

std::optional<mpq_class> SimplestFraction(double value) {
    if (!std::isfinite(value)) return std::nullopt;
    if (value == std::trunc(value)) return mpq_class(value);
    const double magnitude = std::fabs(value);
    // The reals that round to the value reach halfway to its neighbours;
    // the halfway points themselves round to it when its last mantissa
    // bit is even. A non-integer is below 2^52, so its upper neighbour is
    // finite, and no integer lies within half a unit of it.
    const mpq_class x(magnitude);
    const mpq_class below(std::nextafter(magnitude, 0.0));
    const mpq_class above(std::nextafter(magnitude, HUGE_VAL));
    const bool evenLastBit = (std::bit_cast<std::uint64_t>(magnitude) & 1) == 0;
    End lo{(x + below) / 2, evenLastBit, false};
    End hi{(x + above) / 2, evenLastBit, false};
    std::optional<mpq_class> fraction = SimplestInInterval(lo, hi);
    if (fraction && value < 0) *fraction = -*fraction;
    return fraction;
}

std::optional<mpq_class> ShortDecimal(double value) {
    if (!std::isfinite(value)) return std::nullopt;
    if (value == 0.0) return mpq_class(0);
    char text[40];
    for (int digits = 1; digits <= 15; ++digits) {
        const auto written =
            std::to_chars(text, text + sizeof text, value, std::chars_format::scientific, digits - 1);
        double back = 0.0;
        std::from_chars(text, written.ptr, back);
        if (back != value) continue;
        // d.ddd e±x as the integer of its digits times a power of ten.
        const std::string written_text(text, written.ptr);
        const std::size_t mark = written_text.find('e');
        std::string mantissaDigits;
        for (std::size_t i = 0; i < mark; ++i)
            if (written_text[i] != '.') mantissaDigits += written_text[i];
        const long exponent = std::strtol(written_text.c_str() + mark + 1, nullptr, 10) - (digits - 1);
        mpz_class power;
        mpz_ui_pow_ui(power.get_mpz_t(), 10, static_cast<unsigned long>(std::labs(exponent)));
        const mpz_class mantissa(mantissaDigits);
        mpq_class result = exponent >= 0 ? mpq_class(mantissa * power) : mpq_class(mantissa, power);
        result.canonicalize();
        return result;
    }
    return std::nullopt;
}

std::optional<mpq_class> ReadRational(double value) {
    if (std::optional<mpq_class> fraction = SimplestFraction(value)) return fraction;
    return ShortDecimal(value);
}

std::optional<RationalMatrix> ReadRationalMatrix(const NEWMAT::Matrix& m) {
    RationalMatrix result(m.Nrows(), m.Ncols());
    const double* from = m.Store();
    for (int i = 1; i <= m.Nrows(); ++i)
        for (int j = 1; j <= m.Ncols(); ++j) {
            std::optional<mpq_class> element = ReadRational(*from++);
            if (!element) return std::nullopt;
            result(i, j) = std::move(*element);
        }
    return result;
}
