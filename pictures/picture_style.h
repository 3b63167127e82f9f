#pragma once
// The colours and sizes the spectrum is drawn with, shared by the window,
// the SVG and the PNG so that all three look alike.

#include <cstddef>

#include "pictures/colour_scale.h"

inline constexpr int kSpectrumWidth = 640;
inline constexpr int kSpectrumHeight = 480;
inline constexpr Rgb kEigenvalueColour{192, 0, 0};
inline constexpr Rgb kDiscColour{64, 96, 192};
// The discs' union is shaded once, however many overlap; their edges fade
// as they grow many, so that hundreds of rows stay a faint background.
inline constexpr double kDiscFillAlpha = 0.12;
inline double DiscEdgeAlpha(std::size_t discs) {
    return discs <= 20 ? 0.35 : 7.0 / static_cast<double>(discs);
}
inline constexpr Rgb kGridColour{232, 232, 232};
inline constexpr Rgb kAxisColour{96, 96, 96};
inline constexpr Rgb kUnitCircleColour{128, 128, 128};
inline constexpr Rgb kSingularValueColour{0, 96, 0};
inline constexpr double kPointRadius = 3.5;
