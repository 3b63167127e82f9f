#pragma once
// The heat map's colours. Real elements use a diverging scale symmetric
// about zero: white at zero, red towards the largest positive magnitude,
// blue towards the largest negative one, saturating there. Complex elements
// show their modulus on a sequential scale from white to the same red. NaN
// is grey and infinities are black on both.

#include <cstdint>

struct Rgb {
    std::uint8_t r = 255;
    std::uint8_t g = 255;
    std::uint8_t b = 255;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr Rgb kZeroColour{255, 255, 255};
inline constexpr Rgb kPositiveColour{255, 0, 0};
inline constexpr Rgb kNegativeColour{0, 0, 255};
inline constexpr Rgb kNanColour{128, 128, 128};
inline constexpr Rgb kInfinityColour{0, 0, 0};

// `largest` is the scale's end (a positive magnitude; 0 when every element
// is zero, which then draws white).
Rgb DivergingColour(double value, double largest);
Rgb SequentialColour(double modulus, double largest);
