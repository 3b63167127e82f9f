#include "matrixlib/elements.h"

#include <cmath>

namespace {

// 2^31: doubles of smaller magnitude fit a 32-bit int after truncation.
constexpr double kInt32Limit = 2147483648.0;

} // namespace

// newmat keeps a Matrix row by row, so this visits in reading order.
void ApplyToElements(NEWMAT::Matrix& m, double (*f)(double)) {
    NEWMAT::Real* element = m.Store();
    const int count = m.Storage();
    for (int k = 0; k < count; ++k)
        element[k] = f(element[k]);
}

double IntegerPart(double x) {
    if (std::fabs(x) < kInt32Limit) return static_cast<double>(static_cast<int>(x));
    // Out of the int range every double is already whole; NaN stays NaN.
    return std::trunc(x);
}

void TruncateElements(NEWMAT::Matrix& m) {
    ApplyToElements(m, IntegerPart);
}
