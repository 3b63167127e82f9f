#include "operations/conversions/machine_arithmetic.h"

#include <cmath>
#include <cstdio>

namespace {

// Every intermediate goes through a float variable, so nothing is kept in a
// wider register between steps.
using Real = volatile float;

// Steps 1-3: the radix from the gap above a large power of two, the digits,
// and whether addition rounds or chops.
void MeasureRadixAndDigits(MachineCharacteristics& m) {
    const float one = 1.0f;
    Real a = one;
    for (;;) {
        a = a + a;
        Real sum = a + one;
        Real back = sum - a;
        if (back - one != 0.0f) break;
    }
    Real b = one;
    for (;;) {
        b = b + b;
        Real sum = a + b;
        const int gap = static_cast<int>(sum - a);
        if (gap != 0) {
            m.ibeta = gap;
            break;
        }
    }
    const float beta = static_cast<float>(m.ibeta);

    m.it = 0;
    b = one;
    for (;;) {
        ++m.it;
        b = b * beta;
        Real sum = b + one;
        Real back = sum - b;
        if (back - one != 0.0f) break;
    }

    const float halfBeta = beta / 2.0f;
    m.irnd = 0;
    Real sum = a + halfBeta;
    if (sum - a != 0.0f) m.irnd = 1;
    Real aPlusBeta = a + beta;
    sum = aPlusBeta + halfBeta;
    if (m.irnd == 0 && sum - aPlusBeta != 0.0f) m.irnd = 2;
}

// Steps 4-6: the smallest powers of the radix that change 1 - x and 1 + x.
void MeasureEpsilons(MachineCharacteristics& m) {
    const float one = 1.0f;
    const float beta = static_cast<float>(m.ibeta);
    const float betaInverse = one / beta;

    m.negep = m.it + 3;
    Real start = one;
    for (int i = 0; i < m.negep; ++i)
        start = start * betaInverse;

    Real a = start;
    for (;;) {
        Real difference = one - a;
        if (difference - one != 0.0f) break;
        a = a * beta;
        --m.negep;
    }
    m.negep = -m.negep;
    m.epsneg = a;

    m.machep = -m.it - 3;
    a = start;
    for (;;) {
        Real sum = one + a;
        if (sum - one != 0.0f) break;
        a = a * beta;
        ++m.machep;
    }
    m.eps = a;

    m.ngrd = 0;
    Real sum = one + m.eps;
    if (m.irnd == 0 && sum * one - one != 0.0f) m.ngrd = 1;
}

// Step 7: the exponent range, by squaring down to underflow and then
// stepping down one power at a time to the smallest normalised number.
void MeasureRange(MachineCharacteristics& m) {
    const float one = 1.0f;
    const float beta = static_cast<float>(m.ibeta);
    const float betaInverse = one / beta;
    const float onePlusEps = one + m.eps;

    int squarings = 0;
    int k = 1;
    Real z = betaInverse;
    Real y = z;
    for (;;) {
        y = z;
        z = y * y;
        Real a = z * one;
        Real scaled = z * onePlusEps;
        if (a + a == 0.0f || std::fabs(z) >= y) break;
        Real down = scaled * betaInverse;
        if (down * beta == z) break;
        ++squarings;
        k += k;
    }

    int mx;
    if (m.ibeta != 10) {
        m.iexp = squarings + 1;
        mx = k + k;
    } else {
        m.iexp = 2;
        int power = m.ibeta;
        while (k >= power) {
            power *= m.ibeta;
            ++m.iexp;
        }
        mx = power + power - 1;
    }

    int gradual = 0;
    Real a = 0.0f;
    for (;;) {
        m.xmin = y;
        y = y * betaInverse;
        a = y * one;
        Real scaled = y * onePlusEps;
        if (a + a == 0.0f || std::fabs(y) >= m.xmin) break;
        ++k;
        Real down = scaled * betaInverse;
        if (down * beta == y && scaled != y) {
            gradual = 3;
            m.xmin = y;
            break;
        }
    }
    m.minexp = -k;

    if (mx <= k + k - 3 && m.ibeta != 10) {
        mx += mx;
        ++m.iexp;
    }
    m.maxexp = mx + m.minexp;
    m.irnd += gradual;
    if (m.irnd >= 2) m.maxexp -= 2;
    const int range = m.maxexp + m.minexp;
    if (m.ibeta == 2 && range == 0) --m.maxexp;
    if (range > 20) --m.maxexp;
    if (a != y) m.maxexp -= 2;

    Real top = one - m.epsneg;
    if (top * one != top) top = one - beta * m.epsneg;
    top = top / (m.xmin * beta * beta * beta);
    const int steps = m.maxexp + m.minexp + 3;
    for (int i = 0; i < steps; ++i)
        top = m.ibeta == 2 ? top + top : top * beta;
    m.xmax = top;
}

} // namespace

MachineCharacteristics MeasureSinglePrecision() {
    MachineCharacteristics machine;
    MeasureRadixAndDigits(machine);
    MeasureEpsilons(machine);
    MeasureRange(machine);
    return machine;
}

std::string MachineCharacteristicsReport(const MachineCharacteristics& m) {
    char text[640];
    std::snprintf(text, sizeof text,
                  "   ibeta = %d\n   it = %d\n   irnd = %d\n   ngrd = %d\n   machep = %d\n"
                  "   negep = %d\n   iexp = %d\n   minexp = %d\n   maxexp = %d\n"
                  "   eps = %12.6g\n   epsneg = %12.6g\n   xmin = %12.6g\n   xmax = %12.6g\n",
                  m.ibeta, m.it, m.irnd, m.ngrd, m.machep, m.negep, m.iexp, m.minexp, m.maxexp,
                  static_cast<double>(m.eps), static_cast<double>(m.epsneg),
                  static_cast<double>(m.xmin), static_cast<double>(m.xmax));
    return text;
}
