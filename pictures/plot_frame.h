#pragma once
// Where the spectrum's numbers land in a picture of a given size: the plot
// rectangle inside the margins, the ranges of its axes with ticks at 1, 2
// or 5 times a power of ten, and the mapping between them. Eigenvalues are
// drawn with one scale on both axes, so discs stay round.

#include <string>
#include <vector>

#include "pictures/spectrum.h"

struct PlotAxis {
    double low = 0.0;
    double high = 1.0;
    double step = 1.0;
    std::vector<double> ticks;
};

struct PlotFrame {
    // The plot rectangle in picture pixels, y growing downwards.
    double left = 0.0;
    double top = 0.0;
    double width = 0.0;
    double height = 0.0;
    PlotAxis x; // real part, or the singular values
    PlotAxis y; // imaginary part; singular values lie on y = 0
    // The unit circle is drawn when it is neither a dot nor off the plot.
    bool unitCircle = false;

    double PixelX(double re) const { return left + (re - x.low) / (x.high - x.low) * width; }
    double PixelY(double im) const { return top + (y.high - im) / (y.high - y.low) * height; }
    double DataX(double pixel) const { return x.low + (pixel - left) / width * (x.high - x.low); }
    double DataY(double pixel) const { return y.high - (pixel - top) / height * (y.high - y.low); }
    // Pixels per unit along x (the same along y for eigenvalues).
    double Scale() const { return width / (x.high - x.low); }
};

// The frame for the spectrum in a picture of width x height pixels.
PlotFrame FrameSpectrum(const Spectrum& spectrum, double width, double height);

// Ticks covering [low, high], about `wanted` of them.
PlotAxis NiceAxis(double low, double high, int wanted);

// A tick's label: as short as the step allows ("0.5", "-2", "1e+06").
std::string TickLabel(double value, double step);
