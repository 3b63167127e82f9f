#include "pictures/spectrum_drawing.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <sstream>

#include "pictures/canvas.h"
#include "pictures/picture_style.h"
#include "pictures/plot_frame.h"

namespace {

std::string Hex(Rgb colour) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", colour.r, colour.g, colour.b);
    return text;
}

std::string Escaped(const std::string& text) {
    std::string out;
    for (const char c : text) {
        switch (c) {
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '&': out += "&amp;"; break;
        case '"': out += "&quot;"; break;
        default: out += c;
        }
    }
    return out;
}

std::string Fixed(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", value);
    return text;
}

// The ticks of both axes as grid lines, with their labels beside the plot.
void WriteAxesSvg(std::ostringstream& svg, const PlotFrame& frame, bool yTicks) {
    const double right = frame.left + frame.width;
    const double bottom = frame.top + frame.height;
    svg << "<g class=\"grid\" stroke=\"" << Hex(kGridColour) << "\" stroke-width=\"1\">\n";
    for (double tick : frame.x.ticks)
        svg << "<line x1=\"" << Fixed(frame.PixelX(tick)) << "\" y1=\"" << Fixed(frame.top)
            << "\" x2=\"" << Fixed(frame.PixelX(tick)) << "\" y2=\"" << Fixed(bottom) << "\"/>\n";
    if (yTicks)
        for (double tick : frame.y.ticks)
            svg << "<line x1=\"" << Fixed(frame.left) << "\" y1=\"" << Fixed(frame.PixelY(tick))
                << "\" x2=\"" << Fixed(right) << "\" y2=\"" << Fixed(frame.PixelY(tick)) << "\"/>\n";
    svg << "</g>\n<g class=\"axes\" stroke=\"" << Hex(kAxisColour) << "\" fill=\"none\">\n";
    svg << "<rect x=\"" << Fixed(frame.left) << "\" y=\"" << Fixed(frame.top) << "\" width=\""
        << Fixed(frame.width) << "\" height=\"" << Fixed(frame.height) << "\"/>\n";
    if (frame.x.low < 0.0 && frame.x.high > 0.0)
        svg << "<line x1=\"" << Fixed(frame.PixelX(0)) << "\" y1=\"" << Fixed(frame.top) << "\" x2=\""
            << Fixed(frame.PixelX(0)) << "\" y2=\"" << Fixed(bottom) << "\"/>\n";
    if (frame.y.low < 0.0 && frame.y.high > 0.0)
        svg << "<line x1=\"" << Fixed(frame.left) << "\" y1=\"" << Fixed(frame.PixelY(0)) << "\" x2=\""
            << Fixed(right) << "\" y2=\"" << Fixed(frame.PixelY(0)) << "\"/>\n";
    svg << "</g>\n<g class=\"tick-labels\" font-family=\"sans-serif\" font-size=\"11\" fill=\""
        << Hex(kAxisColour) << "\">\n";
    for (double tick : frame.x.ticks)
        svg << "<text x=\"" << Fixed(frame.PixelX(tick)) << "\" y=\"" << Fixed(bottom + 16)
            << "\" text-anchor=\"middle\">" << TickLabel(tick, frame.x.step) << "</text>\n";
    if (yTicks)
        for (double tick : frame.y.ticks)
            svg << "<text x=\"" << Fixed(frame.left - 6) << "\" y=\"" << Fixed(frame.PixelY(tick) + 4)
                << "\" text-anchor=\"end\">" << TickLabel(tick, frame.y.step) << "</text>\n";
    svg << "</g>\n";
}

void DrawAxes(Canvas& canvas, const PlotFrame& frame, bool yTicks) {
    const double right = frame.left + frame.width;
    const double bottom = frame.top + frame.height;
    for (double tick : frame.x.ticks) {
        canvas.Line(frame.PixelX(tick), frame.top, frame.PixelX(tick), bottom, kGridColour);
        const std::string label = TickLabel(tick, frame.x.step);
        canvas.Label(static_cast<int>(frame.PixelX(tick)) - Canvas::LabelWidth(label) / 2,
                     static_cast<int>(bottom) + 8, label, kAxisColour);
    }
    if (yTicks)
        for (double tick : frame.y.ticks) {
            canvas.Line(frame.left, frame.PixelY(tick), right, frame.PixelY(tick), kGridColour);
            const std::string label = TickLabel(tick, frame.y.step);
            canvas.Label(static_cast<int>(frame.left) - 6 - Canvas::LabelWidth(label),
                         static_cast<int>(frame.PixelY(tick)) - 5, label, kAxisColour);
        }
    canvas.Line(frame.left, frame.top, right, frame.top, kAxisColour);
    canvas.Line(frame.left, bottom, right, bottom, kAxisColour);
    canvas.Line(frame.left, frame.top, frame.left, bottom, kAxisColour);
    canvas.Line(right, frame.top, right, bottom, kAxisColour);
    if (frame.x.low < 0.0 && frame.x.high > 0.0)
        canvas.Line(frame.PixelX(0), frame.top, frame.PixelX(0), bottom, kAxisColour);
    if (frame.y.low < 0.0 && frame.y.high > 0.0)
        canvas.Line(frame.left, frame.PixelY(0), right, frame.PixelY(0), kAxisColour);
}

// The union of the discs, each pixel shaded once however many cover it.
void FillDiscs(Canvas& canvas, const PlotFrame& frame, const std::vector<GershgorinDisc>& discs) {
    const int width = canvas.Width();
    const int height = canvas.Height();
    std::vector<int> cover(static_cast<std::size_t>(width + 1) * height, 0);
    for (const GershgorinDisc& disc : discs) {
        const double cx = frame.PixelX(disc.centre.real());
        const double cy = frame.PixelY(disc.centre.imag());
        const double r = disc.radius * frame.Scale();
        if (!std::isfinite(cx) || !std::isfinite(cy) || !std::isfinite(r)) continue;
        const int top = std::max(0, static_cast<int>(std::ceil(cy - r)));
        const int bottom = std::min(height - 1, static_cast<int>(std::floor(cy + r)));
        for (int y = top; y <= bottom; ++y) {
            const double half = std::sqrt(std::max(0.0, r * r - (y - cy) * (y - cy)));
            const int from = std::max(0, static_cast<int>(std::ceil(cx - half)));
            const int to = std::min(width - 1, static_cast<int>(std::floor(cx + half)));
            if (from > to) continue;
            cover[static_cast<std::size_t>(y) * (width + 1) + from] += 1;
            cover[static_cast<std::size_t>(y) * (width + 1) + to + 1] -= 1;
        }
    }
    for (int y = 0; y < height; ++y) {
        int count = 0;
        for (int x = 0; x < width; ++x) {
            count += cover[static_cast<std::size_t>(y) * (width + 1) + x];
            if (count > 0) canvas.Blend(x, y, kDiscColour, kDiscFillAlpha);
        }
    }
}

} // namespace

std::string SeventeenDigitText(double value) {
    char text[40];
    std::snprintf(text, sizeof text, "%.17g", value);
    return text;
}

std::string SpectrumSvg(const Spectrum& spectrum, int width, int height) {
    const PlotFrame frame = FrameSpectrum(spectrum, width, height);
    std::ostringstream svg;
    svg << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << width << "\" height=\"" << height
        << "\" viewBox=\"0 0 " << width << ' ' << height << "\">\n"
        << "<rect width=\"100%\" height=\"100%\" fill=\"white\"/>\n"
        << "<clipPath id=\"plot\"><rect x=\"" << Fixed(frame.left) << "\" y=\"" << Fixed(frame.top)
        << "\" width=\"" << Fixed(frame.width) << "\" height=\"" << Fixed(frame.height)
        << "\"/></clipPath>\n";
    WriteAxesSvg(svg, frame, spectrum.square);
    svg << "<g clip-path=\"url(#plot)\">\n";
    if (spectrum.square && frame.unitCircle)
        svg << "<circle class=\"unit-circle\" cx=\"" << Fixed(frame.PixelX(0)) << "\" cy=\""
            << Fixed(frame.PixelY(0)) << "\" r=\"" << Fixed(frame.Scale()) << "\" fill=\"none\" stroke=\""
            << Hex(kUnitCircleColour) << "\" stroke-dasharray=\"4 4\"/>\n";
    // Opaque discs in a faint group: their union is shaded once.
    if (!spectrum.discs.empty())
        svg << "<g class=\"gershgorin-discs\" opacity=\"" << kDiscFillAlpha << "\" fill=\"" << Hex(kDiscColour)
            << "\">\n";
    for (const GershgorinDisc& disc : spectrum.discs)
        svg << "<circle class=\"gershgorin\" cx=\"" << Fixed(frame.PixelX(disc.centre.real())) << "\" cy=\""
            << Fixed(frame.PixelY(disc.centre.imag())) << "\" r=\"" << Fixed(disc.radius * frame.Scale())
            << "\" data-center-re=\"" << SeventeenDigitText(disc.centre.real()) << "\" data-center-im=\""
            << SeventeenDigitText(disc.centre.imag()) << "\" data-radius=\"" << SeventeenDigitText(disc.radius)
            << "\"/>\n";
    if (!spectrum.discs.empty()) svg << "</g>\n";
    for (const std::complex<double>& value : spectrum.eigenvalues)
        svg << "<circle class=\"eigenvalue\" cx=\"" << Fixed(frame.PixelX(value.real())) << "\" cy=\""
            << Fixed(frame.PixelY(value.imag())) << "\" r=\"" << kPointRadius << "\" data-re=\""
            << SeventeenDigitText(value.real()) << "\" data-im=\"" << SeventeenDigitText(value.imag())
            << "\" fill=\"" << Hex(kEigenvalueColour) << "\"/>\n";
    if (!spectrum.square && !spectrum.singularValues.empty())
        svg << "<line class=\"singular-axis\" x1=\"" << Fixed(frame.left) << "\" y1=\"" << Fixed(frame.PixelY(0))
            << "\" x2=\"" << Fixed(frame.left + frame.width) << "\" y2=\"" << Fixed(frame.PixelY(0))
            << "\" stroke=\"" << Hex(kAxisColour) << "\"/>\n";
    for (double value : spectrum.singularValues)
        svg << "<circle class=\"singular-value\" cx=\"" << Fixed(frame.PixelX(value)) << "\" cy=\""
            << Fixed(frame.PixelY(0)) << "\" r=\"" << kPointRadius << "\" data-value=\""
            << SeventeenDigitText(value) << "\" fill=\"" << Hex(kSingularValueColour) << "\"/>\n";
    svg << "</g>\n";
    if (!spectrum.failure.empty())
        svg << "<text class=\"failure\" x=\"" << Fixed(frame.left + 8) << "\" y=\"" << Fixed(frame.top + 18)
            << "\" font-family=\"sans-serif\" font-size=\"12\">" << Escaped(spectrum.failure) << "</text>\n";
    svg << "</svg>\n";
    return svg.str();
}

Raster SpectrumRaster(const Spectrum& spectrum, int width, int height) {
    const PlotFrame frame = FrameSpectrum(spectrum, width, height);
    Canvas canvas(width, height, kZeroColour);
    DrawAxes(canvas, frame, spectrum.square);
    canvas.Clip(static_cast<int>(frame.left), static_cast<int>(frame.top),
                static_cast<int>(frame.left + frame.width) + 1, static_cast<int>(frame.top + frame.height) + 1);
    FillDiscs(canvas, frame, spectrum.discs);
    const double edgeAlpha = DiscEdgeAlpha(spectrum.discs.size());
    for (const GershgorinDisc& disc : spectrum.discs)
        canvas.CircleOutline(frame.PixelX(disc.centre.real()), frame.PixelY(disc.centre.imag()),
                             disc.radius * frame.Scale(), kDiscColour, edgeAlpha);
    if (spectrum.square && frame.unitCircle)
        canvas.CircleOutline(frame.PixelX(0), frame.PixelY(0), frame.Scale(), kUnitCircleColour, 1.0, 4);
    for (const std::complex<double>& value : spectrum.eigenvalues)
        canvas.Dot(frame.PixelX(value.real()), frame.PixelY(value.imag()), kPointRadius, kEigenvalueColour);
    if (!spectrum.square && !spectrum.singularValues.empty())
        canvas.Line(frame.left, frame.PixelY(0), frame.left + frame.width, frame.PixelY(0), kAxisColour);
    for (double value : spectrum.singularValues)
        canvas.Dot(frame.PixelX(value), frame.PixelY(0), kPointRadius, kSingularValueColour);
    return std::move(canvas.Pixels());
}
