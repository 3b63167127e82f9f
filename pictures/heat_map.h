#pragma once
// The heat map of a matrix: one cell per element, or, where the elements
// outnumber what is drawn, one cell per b x b block of them holding their
// mean (never dropping rows or columns). In complex mode an element is a
// (real, imaginary) column pair and its cell holds its modulus.

#include <newmat.h>

#include <vector>

#include "pictures/colour_scale.h"

// The most cells a side of a saved heat map has.
inline constexpr int kHeatMapLimit = 512;

// Elements [firstRow, firstRow + rows) x [firstColumn, firstColumn + columns),
// counted from 0 in elements (complex pairs as one).
struct ElementRange {
    int firstRow = 0;
    int rows = 0;
    int firstColumn = 0;
    int columns = 0;
};

struct HeatMap {
    ElementRange range;
    int block = 1; // elements per cell side
    int cellRows = 0;
    int cellColumns = 0;
    // Row-major cell values. A block with a NaN, or with infinities of both
    // signs, is NaN; one with infinities of one sign is that infinity.
    std::vector<double> cells;
    // The scale's end: the largest finite magnitude (modulus) in the whole
    // matrix, so zooming into a part keeps its colours.
    double largest = 0.0;
    bool modulus = false; // complex mode: the sequential scale

    Rgb ColourOf(double value) const {
        return modulus ? SequentialColour(value, largest) : DivergingColour(value, largest);
    }
};

// The matrix's size in elements as the picture counts them.
int ElementRows(const NEWMAT::Matrix& m);
int ElementColumns(const NEWMAT::Matrix& m, bool complexMode);
ElementRange WholeMatrix(const NEWMAT::Matrix& m, bool complexMode);
// The colour scale's end: the largest finite magnitude (modulus) of the
// elements; 0 when there is none.
double ScaleEnd(const NEWMAT::Matrix& m, bool complexMode);

// The heat map of `range` with at most `limit` cells a side.
HeatMap MakeHeatMap(const NEWMAT::Matrix& m, bool complexMode, const ElementRange& range,
                    int limit);

// The pixels of a saved heat map, cells alone: with r x c elements and
// max(r, c) <= 512, each element is a k x k block, k = floor(512 / max(r, c));
// larger matrices give one pixel per averaged block (b = ceil(max(r, c) / 512)).
struct Raster {
    int width = 0;
    int height = 0;
    std::vector<Rgb> pixels; // row-major, top row first
};
Raster HeatMapRaster(const NEWMAT::Matrix& m, bool complexMode);
