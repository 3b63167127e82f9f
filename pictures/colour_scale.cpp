#include "pictures/colour_scale.h"

#include <cmath>

namespace {

// The channels that fade from 255 at zero to 0 at the scale's end.
std::uint8_t Faded(double magnitude, double largest) {
    const double t = largest > 0.0 ? std::fmin(magnitude / largest, 1.0) : 0.0;
    return static_cast<std::uint8_t>(std::lround(255.0 * (1.0 - t)));
}

} // namespace

Rgb DivergingColour(double value, double largest) {
    if (std::isnan(value)) return kNanColour;
    if (std::isinf(value)) return kInfinityColour;
    const std::uint8_t faded = Faded(std::fabs(value), largest);
    return value >= 0.0 ? Rgb{255, faded, faded} : Rgb{faded, faded, 255};
}

Rgb SequentialColour(double modulus, double largest) {
    if (std::isnan(modulus)) return kNanColour;
    if (std::isinf(modulus)) return kInfinityColour;
    const std::uint8_t faded = Faded(std::fabs(modulus), largest);
    return Rgb{255, faded, faded};
}
