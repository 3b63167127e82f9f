#pragma once
// The spectrum as files: an SVG whose eigenvalues, discs and singular
// values carry their numbers in data attributes (17 significant digits),
// and a PNG drawn from the same frame.

#include <string>

#include "pictures/heat_map.h"
#include "pictures/spectrum.h"

std::string SpectrumSvg(const Spectrum& spectrum, int width, int height);
Raster SpectrumRaster(const Spectrum& spectrum, int width, int height);

// "%.17g": enough digits to read the double back.
std::string SeventeenDigitText(double value);
