#include "pictures/canvas.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

// Five rows of three bits, the top row in the high bits.
struct Glyph {
    char character;
    std::uint16_t rows;
};
constexpr Glyph kGlyphs[] = {
    {'0', 0b111'101'101'101'111}, {'1', 0b010'110'010'010'111}, {'2', 0b111'001'111'100'111},
    {'3', 0b111'001'111'001'111}, {'4', 0b101'101'111'001'001}, {'5', 0b111'100'111'001'111},
    {'6', 0b111'100'111'101'111}, {'7', 0b111'001'001'001'001}, {'8', 0b111'101'111'101'111},
    {'9', 0b111'101'111'001'111}, {'.', 0b000'000'000'000'010}, {'-', 0b000'000'111'000'000},
    {'+', 0b000'010'111'010'000}, {'e', 0b000'111'111'100'111},
};
constexpr int kGlyphWidth = 3;
constexpr int kGlyphHeight = 5;

const Glyph* FindGlyph(char c) {
    for (const Glyph& glyph : kGlyphs)
        if (glyph.character == c) return &glyph;
    return nullptr;
}

std::uint8_t Mix(std::uint8_t under, std::uint8_t over, double alpha) {
    return static_cast<std::uint8_t>(std::lround(under + (over - under) * alpha));
}

} // namespace

Canvas::Canvas(int width, int height, Rgb background) {
    raster_.width = width;
    raster_.height = height;
    raster_.pixels.assign(static_cast<std::size_t>(width) * height, background);
    Unclip();
}

void Canvas::Clip(int left, int top, int right, int bottom) {
    clipLeft_ = std::max(0, left);
    clipTop_ = std::max(0, top);
    clipRight_ = std::min(raster_.width, right);
    clipBottom_ = std::min(raster_.height, bottom);
}

void Canvas::Unclip() {
    Clip(0, 0, raster_.width, raster_.height);
}

void Canvas::Blend(int x, int y, Rgb colour, double alpha) {
    if (x < clipLeft_ || x >= clipRight_ || y < clipTop_ || y >= clipBottom_) return;
    Rgb& pixel = raster_.pixels[static_cast<std::size_t>(y) * raster_.width + x];
    if (alpha >= 1.0) {
        pixel = colour;
        return;
    }
    pixel = {Mix(pixel.r, colour.r, alpha), Mix(pixel.g, colour.g, alpha), Mix(pixel.b, colour.b, alpha)};
}

void Canvas::Line(double x0, double y0, double x1, double y1, Rgb colour, double alpha) {
    const double steps = std::ceil(std::max(std::fabs(x1 - x0), std::fabs(y1 - y0)));
    if (!std::isfinite(steps) || steps > 1e5) return;
    for (int i = 0; i <= static_cast<int>(steps); ++i) {
        const double t = steps > 0 ? i / steps : 0.0;
        Blend(static_cast<int>(std::lround(x0 + (x1 - x0) * t)),
              static_cast<int>(std::lround(y0 + (y1 - y0) * t)), colour, alpha);
    }
}

void Canvas::CircleOutline(double cx, double cy, double r, Rgb colour, double alpha, int dash) {
    if (!(r >= 0.0) || !std::isfinite(r) || !std::isfinite(cx) || !std::isfinite(cy)) return;
    // Only the part of a huge circle near the canvas matters; a step of
    // about a pixel along the arc draws it without gaps.
    const int steps = static_cast<int>(std::min(std::ceil(2.0 * M_PI * r) + 8.0, 4e5));
    int lastX = INT32_MIN, lastY = INT32_MIN;
    for (int i = 0; i < steps; ++i) {
        if (dash > 0 && (i / dash) % 2 == 1) continue;
        const double angle = 2.0 * M_PI * i / steps;
        const int x = static_cast<int>(std::lround(cx + r * std::cos(angle)));
        const int y = static_cast<int>(std::lround(cy + r * std::sin(angle)));
        if (x == lastX && y == lastY) continue;
        Blend(x, y, colour, alpha);
        lastX = x, lastY = y;
    }
}

void Canvas::Dot(double cx, double cy, double r, Rgb colour) {
    if (!std::isfinite(cx) || !std::isfinite(cy)) return;
    const int top = static_cast<int>(std::floor(cy - r));
    const int bottom = static_cast<int>(std::ceil(cy + r));
    for (int y = std::max(top, clipTop_); y <= std::min(bottom, clipBottom_ - 1); ++y) {
        const double dy = y - cy;
        if (dy * dy > r * r) continue;
        const double half = std::sqrt(r * r - dy * dy);
        for (int x = static_cast<int>(std::ceil(cx - half)); x <= static_cast<int>(std::floor(cx + half)); ++x)
            Blend(x, y, colour);
    }
}

int Canvas::LabelWidth(std::string_view text, int scale) {
    return text.empty() ? 0 : static_cast<int>(text.size()) * (kGlyphWidth + 1) * scale - scale;
}

void Canvas::Label(int x, int y, std::string_view text, Rgb colour, int scale) {
    for (const char c : text) {
        if (const Glyph* glyph = FindGlyph(c))
            for (int row = 0; row < kGlyphHeight; ++row)
                for (int column = 0; column < kGlyphWidth; ++column) {
                    const int bit = (kGlyphHeight - 1 - row) * kGlyphWidth + (kGlyphWidth - 1 - column);
                    if (!((glyph->rows >> bit) & 1)) continue;
                    for (int dy = 0; dy < scale; ++dy)
                        for (int dx = 0; dx < scale; ++dx)
                            Blend(x + column * scale + dx, y + row * scale + dy, colour);
                }
        x += (kGlyphWidth + 1) * scale;
    }
}
