#include "matrixlib/scaled_product.h"

#include <algorithm>
#include <cmath>

namespace {

// Beyond this power of two every double has over- or underflowed.
constexpr long kExponentLimit = 100000;

} // namespace

// Each factor adds at most about 1100 to the exponent, so a long cannot
// overflow for any matrix that fits in memory.
// The factor is split as well: mantissa times a factor near the ends of the
// double range would itself over- or underflow.
void ScaledProduct::MultiplyBy(double factor) {
    int factorExponent = 0;
    const double factorMantissa = std::frexp(factor, &factorExponent);
    int exponent = 0;
    mantissa_ = std::frexp(mantissa_ * factorMantissa, &exponent);
    exponent_ += factorExponent + exponent;
}

double ScaledProduct::Value() const {
    return Scale(1.0);
}

double ScaledProduct::Scale(double x) const {
    const long exponent = std::clamp(exponent_, -kExponentLimit, kExponentLimit);
    return std::ldexp(x * mantissa_, static_cast<int>(exponent));
}
