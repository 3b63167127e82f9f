#include "pictures/plot_frame.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

constexpr double kLeftMargin = 64.0;
constexpr double kRightMargin = 16.0;
constexpr double kTopMargin = 16.0;
constexpr double kBottomMargin = 36.0;
constexpr double kPadding = 0.08; // of the data's extent, around it
constexpr int kWantedTicks = 6;

struct Box {
    double left = 0.0, right = 0.0, bottom = 0.0, top = 0.0;
    bool empty = true;
    void Add(double x0, double x1, double y0, double y1) {
        if (!(std::isfinite(x0) && std::isfinite(x1) && std::isfinite(y0) && std::isfinite(y1)))
            return;
        if (empty) {
            left = x0, right = x1, bottom = y0, top = y1, empty = false;
            return;
        }
        left = std::min(left, x0), right = std::max(right, x1);
        bottom = std::min(bottom, y0), top = std::max(top, y1);
    }
};

Box DataBox(const Spectrum& spectrum) {
    Box box;
    for (const GershgorinDisc& disc : spectrum.discs)
        box.Add(disc.centre.real() - disc.radius, disc.centre.real() + disc.radius,
                disc.centre.imag() - disc.radius, disc.centre.imag() + disc.radius);
    for (const std::complex<double>& value : spectrum.eigenvalues)
        box.Add(value.real(), value.real(), value.imag(), value.imag());
    if (box.empty) box.Add(-1.0, 1.0, -1.0, 1.0);
    return box;
}

// Widens [low, high] about its middle to `extent` (when wider already,
// keeps it), then pads it.
void Widen(double& low, double& high, double extent) {
    const double middle = 0.5 * (low + high);
    const double half = 0.5 * std::max(high - low, extent);
    low = middle - half;
    high = middle + half;
}

} // namespace

PlotAxis NiceAxis(double low, double high, int wanted) {
    PlotAxis axis;
    axis.low = low;
    axis.high = high;
    const double span = high - low;
    if (!(span > 0.0) || !std::isfinite(span)) return axis;
    const double rough = span / std::max(wanted, 1);
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    const double fraction = rough / power;
    axis.step = (fraction < 1.5 ? 1.0 : fraction < 3.5 ? 2.0 : fraction < 7.5 ? 5.0 : 10.0) * power;
    for (double k = std::ceil(low / axis.step); k * axis.step <= high + 1e-9 * span; k += 1.0)
        axis.ticks.push_back(std::fabs(k) < 0.5 ? 0.0 : k * axis.step);
    return axis;
}

std::string TickLabel(double value, double step) {
    char text[32];
    const double magnitude = std::max(std::fabs(value), std::fabs(step));
    if (magnitude >= 1e5 || magnitude < 1e-3) {
        std::snprintf(text, sizeof text, "%.3g", value);
        return text;
    }
    const int decimals = std::max(0, static_cast<int>(-std::floor(std::log10(step) + 1e-9)));
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

PlotFrame FrameSpectrum(const Spectrum& spectrum, double width, double height) {
    PlotFrame frame;
    frame.left = kLeftMargin;
    frame.top = kTopMargin;
    frame.width = std::max(1.0, width - kLeftMargin - kRightMargin);
    frame.height = std::max(1.0, height - kTopMargin - kBottomMargin);

    if (!spectrum.square) {
        double largest = 0.0;
        for (double value : spectrum.singularValues)
            if (std::isfinite(value)) largest = std::max(largest, value);
        if (!(largest > 0.0)) largest = 1.0;
        frame.x = NiceAxis(0.0, largest * (1.0 + kPadding), kWantedTicks);
        frame.y.low = -1.0;
        frame.y.high = 1.0;
        return frame;
    }

    Box box = DataBox(spectrum);
    double xLow = box.left, xHigh = box.right, yLow = box.bottom, yHigh = box.top;
    const double extent = std::max({xHigh - xLow, yHigh - yLow,
                                    0.2 * std::max(std::fabs(xLow), std::fabs(xHigh)), 1e-300});
    const double padded = extent * (1.0 + 2.0 * kPadding);
    Widen(xLow, xHigh, padded);
    Widen(yLow, yHigh, padded);
    // One scale on both axes: the narrower direction widens to fill.
    const double scale = std::min(frame.width / (xHigh - xLow), frame.height / (yHigh - yLow));
    Widen(xLow, xHigh, frame.width / scale);
    Widen(yLow, yHigh, frame.height / scale);
    frame.x = NiceAxis(xLow, xHigh, kWantedTicks);
    frame.y = NiceAxis(yLow, yHigh, kWantedTicks);

    const double reach = std::max({std::fabs(xLow), std::fabs(xHigh), std::fabs(yLow), std::fabs(yHigh)});
    frame.unitCircle = reach >= 0.5 && reach <= 8.0;
    return frame;
}
