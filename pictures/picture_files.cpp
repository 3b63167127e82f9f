#include "pictures/picture_files.h"

#include <myexcept.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <new>
#include <sstream>

#include "archive/safe_save.h"
#include "pictures/picture_style.h"
#include "pictures/png_encoder.h"
#include "pictures/spectrum_drawing.h"

namespace {

constexpr int kLegendWidth = 90;
constexpr int kLegendBar = 16;

std::string Base64(const std::string& bytes) {
    static const char kDigits[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    out.reserve((bytes.size() + 2) / 3 * 4);
    for (std::size_t i = 0; i < bytes.size(); i += 3) {
        unsigned chunk = static_cast<unsigned char>(bytes[i]) << 16;
        if (i + 1 < bytes.size()) chunk |= static_cast<unsigned char>(bytes[i + 1]) << 8;
        if (i + 2 < bytes.size()) chunk |= static_cast<unsigned char>(bytes[i + 2]);
        out += kDigits[(chunk >> 18) & 63];
        out += kDigits[(chunk >> 12) & 63];
        out += i + 1 < bytes.size() ? kDigits[(chunk >> 6) & 63] : '=';
        out += i + 2 < bytes.size() ? kDigits[chunk & 63] : '=';
    }
    return out;
}

std::string Colour(Rgb colour) {
    char text[24];
    std::snprintf(text, sizeof text, "rgb(%d,%d,%d)", colour.r, colour.g, colour.b);
    return text;
}

std::string Lowered(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

std::string ExtensionOf(const std::string& path) {
    const std::size_t dot = path.find_last_of('.');
    const std::size_t slash = path.find_last_of('/');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return {};
    return Lowered(std::string_view(path).substr(dot + 1));
}

} // namespace

std::optional<PictureKind> PictureKindNamed(std::string_view name) {
    if (name == "heatmap") return PictureKind::HeatMap;
    if (name == "spectrum") return PictureKind::Spectrum;
    return std::nullopt;
}

std::string HeatMapSvg(const NEWMAT::Matrix& m, bool complexMode) {
    const Raster raster = HeatMapRaster(m, complexMode);
    const int width = raster.width + kLegendWidth;
    const int height = std::max(raster.height, 120);
    const double largest = ScaleEnd(m, complexMode);
    std::ostringstream svg;
    svg << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << width << "\" height=\"" << height
        << "\" viewBox=\"0 0 " << width << ' ' << height << "\" data-rows=\"" << ElementRows(m)
        << "\" data-columns=\"" << ElementColumns(m, complexMode) << "\" data-largest=\""
        << SeventeenDigitText(largest) << "\">\n"
        << "<rect width=\"100%\" height=\"100%\" fill=\"white\"/>\n";
    if (raster.width > 0)
        svg << "<image class=\"cells\" x=\"0\" y=\"0\" width=\"" << raster.width << "\" height=\""
            << raster.height << "\" style=\"image-rendering:pixelated\" href=\"data:image/png;base64,"
            << Base64(EncodePng(raster)) << "\"/>\n";
    // The legend: the scale from its top end to its bottom end.
    const Rgb top = complexMode ? SequentialColour(largest, largest) : DivergingColour(largest, largest);
    const Rgb bottom = complexMode ? kZeroColour : DivergingColour(-largest, largest);
    const int x = raster.width + 12;
    svg << "<linearGradient id=\"scale\" x1=\"0\" y1=\"0\" x2=\"0\" y2=\"1\">"
        << "<stop offset=\"0\" stop-color=\"" << Colour(top) << "\"/>";
    if (!complexMode) svg << "<stop offset=\"0.5\" stop-color=\"" << Colour(kZeroColour) << "\"/>";
    svg << "<stop offset=\"1\" stop-color=\"" << Colour(bottom) << "\"/></linearGradient>\n"
        << "<g class=\"legend\" font-family=\"sans-serif\" font-size=\"11\">\n"
        << "<rect x=\"" << x << "\" y=\"8\" width=\"" << kLegendBar << "\" height=\"" << height - 16
        << "\" fill=\"url(#scale)\" stroke=\"black\" stroke-width=\"0.5\"/>\n";
    char end[40];
    std::snprintf(end, sizeof end, "%.6g", largest);
    svg << "<text x=\"" << x + kLegendBar + 4 << "\" y=\"18\">" << end << "</text>\n";
    std::snprintf(end, sizeof end, "%.6g", complexMode ? 0.0 : -largest);
    svg << "<text x=\"" << x + kLegendBar + 4 << "\" y=\"" << height - 8 << "\">" << end << "</text>\n"
        << "</g>\n</svg>\n";
    return svg.str();
}

PictureBytes DrawPictureFile(PictureKind kind, const NEWMAT::Matrix& m, bool complexMode,
                             const std::string& path) {
    const std::string extension = ExtensionOf(path);
    if (extension != "png" && extension != "svg") return {{}, "Pictures are saved as .png or .svg"};
    if (ElementRows(m) == 0 || ElementColumns(m, complexMode) == 0) return {{}, "No matrix to draw"};
    try {
        if (kind == PictureKind::HeatMap)
            return {extension == "png" ? EncodePng(HeatMapRaster(m, complexMode)) : HeatMapSvg(m, complexMode), {}};
        const Spectrum spectrum = MakeSpectrum(m, complexMode);
        return {extension == "png" ? EncodePng(SpectrumRaster(spectrum, kSpectrumWidth, kSpectrumHeight))
                                   : SpectrumSvg(spectrum, kSpectrumWidth, kSpectrumHeight),
                {}};
    } catch (const std::bad_alloc&) {
        return {{}, "Not enough memory"};
    } catch (const RBD_COMMON::BaseException&) {
        return {{}, "The picture could not be drawn"};
    } catch (const std::exception& e) {
        return {{}, e.what()};
    }
}

std::string SavePicture(PictureKind kind, const NEWMAT::Matrix& m, bool complexMode,
                        const std::string& path) {
    const PictureBytes picture = DrawPictureFile(kind, m, complexMode, path);
    if (!picture.error.empty()) return picture.error;
    return SaveFileSafely(path, picture.bytes) == SaveResult::Saved ? std::string()
                                                                    : "Unable to open file";
}
