#include "matrixlib/power_of_two_scaling.h"

#include "matrixlib/matrix_view.h"

#include <cmath>

namespace ztmath::detail {

int ScaleToUnit(NEWMAT::Matrix& m) {
    const double largest = MaxAbs(m);
    if (largest == 0.0 || !std::isfinite(largest)) return 0;
    int exponent = 0;
    std::frexp(largest, &exponent);
    double* p = m.Store();
    for (long k = 0; k < Count(m); ++k)
        p[k] = std::ldexp(p[k], -exponent);
    return exponent;
}

} // namespace ztmath::detail
