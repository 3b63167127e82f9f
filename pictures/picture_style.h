#pragma once
// The colours and sizes the spectrum is drawn with, shared by the window,
// the SVG and the PNG so that all three look alike.

#include "pictures/colour_scale.h"

inline constexpr int kSpectrumWidth = 640;
inline constexpr int kSpectrumHeight = 480;
inline constexpr Rgb kEigenvalueColour{192, 0, 0};
inline constexpr Rgb kDiscColour{64, 96, 192};
inline constexpr double kDiscFillAlpha = 0.08;
inline constexpr double kDiscEdgeAlpha = 0.35;
inline constexpr Rgb kGridColour{232, 232, 232};
inline constexpr Rgb kAxisColour{96, 96, 96};
inline constexpr Rgb kUnitCircleColour{128, 128, 128};
inline constexpr Rgb kSingularValueColour{0, 96, 0};
inline constexpr double kPointRadius = 3.5;
