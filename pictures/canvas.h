#pragma once
// A small painter on a Raster, enough for the spectrum's PNG: blended
// pixels, lines, circle outlines, filled dots, and labels of digits, signs,
// points and exponents in a 3 x 5 pixel font.

#include <string_view>

#include "pictures/heat_map.h"

class Canvas {
  public:
    Canvas(int width, int height, Rgb background);

    // `alpha` from 0 (nothing) to 1 (the colour itself); pixels outside the
    // clip rectangle are left alone.
    void Blend(int x, int y, Rgb colour, double alpha = 1.0);
    void Line(double x0, double y0, double x1, double y1, Rgb colour, double alpha = 1.0);
    // Every `dash` pixels on, then as many off (0: solid).
    void CircleOutline(double cx, double cy, double r, Rgb colour, double alpha = 1.0,
                       int dash = 0);
    void Dot(double cx, double cy, double r, Rgb colour);
    // The label with its top-left corner at (x, y), each font pixel scaled.
    void Label(int x, int y, std::string_view text, Rgb colour, int scale = 2);
    static int LabelWidth(std::string_view text, int scale = 2);

    void Clip(int left, int top, int right, int bottom); // right and bottom excluded
    void Unclip();
    int Width() const { return raster_.width; }
    int Height() const { return raster_.height; }
    Raster& Pixels() { return raster_; }

  private:
    Raster raster_;
    int clipLeft_ = 0, clipTop_ = 0, clipRight_ = 0, clipBottom_ = 0;
};
