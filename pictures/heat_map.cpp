#include "pictures/heat_map.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// What a block of elements adds up to, kept so that NaN and infinities
// decide the cell instead of poisoning a sum.
struct BlockSum {
    double sum = 0.0;
    int count = 0;
    bool nan = false;
    bool positiveInfinity = false;
    bool negativeInfinity = false;

    void Add(double value) {
        if (std::isnan(value))
            nan = true;
        else if (std::isinf(value))
            (value > 0 ? positiveInfinity : negativeInfinity) = true;
        else
            sum += value, ++count;
    }
    double Value() const {
        if (nan || (positiveInfinity && negativeInfinity))
            return std::numeric_limits<double>::quiet_NaN();
        if (positiveInfinity) return std::numeric_limits<double>::infinity();
        if (negativeInfinity) return -std::numeric_limits<double>::infinity();
        return count > 0 ? sum / count : 0.0;
    }
};

int CeilDiv(int a, int b) {
    return (a + b - 1) / b;
}

// The value the picture shows for element (i, j), counted from 0.
double ElementValue(const double* row, int j, bool complexMode) {
    if (!complexMode) return row[j];
    const double re = row[2 * j];
    const double im = row[2 * j + 1];
    if (std::isnan(re) || std::isnan(im)) return std::numeric_limits<double>::quiet_NaN();
    return std::hypot(re, im);
}

} // namespace

int ElementRows(const NEWMAT::Matrix& m) {
    return m.Nrows();
}

int ElementColumns(const NEWMAT::Matrix& m, bool complexMode) {
    return complexMode ? m.Ncols() / 2 : m.Ncols();
}

double ScaleEnd(const NEWMAT::Matrix& m, bool complexMode) {
    const int rows = ElementRows(m);
    const int columns = ElementColumns(m, complexMode);
    double largest = 0.0;
    for (int i = 0; i < rows; ++i) {
        const double* row = m.Store() + static_cast<std::size_t>(i) * m.Ncols();
        for (int j = 0; j < columns; ++j) {
            const double magnitude = std::fabs(ElementValue(row, j, complexMode));
            if (std::isfinite(magnitude) && magnitude > largest) largest = magnitude;
        }
    }
    return largest;
}

ElementRange WholeMatrix(const NEWMAT::Matrix& m, bool complexMode) {
    return {0, ElementRows(m), 0, ElementColumns(m, complexMode)};
}

HeatMap MakeHeatMap(const NEWMAT::Matrix& m, bool complexMode, const ElementRange& range,
                    int limit) {
    HeatMap map;
    map.range = range;
    map.modulus = complexMode;
    map.largest = ScaleEnd(m, complexMode);
    if (range.rows <= 0 || range.columns <= 0 || limit <= 0) return map;
    map.block = CeilDiv(std::max(range.rows, range.columns), limit);
    map.cellRows = CeilDiv(range.rows, map.block);
    map.cellColumns = CeilDiv(range.columns, map.block);
    map.cells.resize(static_cast<std::size_t>(map.cellRows) * map.cellColumns);

    std::vector<BlockSum> sums(map.cellColumns);
    for (int cellRow = 0; cellRow < map.cellRows; ++cellRow) {
        std::fill(sums.begin(), sums.end(), BlockSum{});
        const int first = range.firstRow + cellRow * map.block;
        const int last = std::min(first + map.block, range.firstRow + range.rows);
        for (int i = first; i < last; ++i) {
            const double* row = m.Store() + static_cast<std::size_t>(i) * m.Ncols();
            for (int j = 0; j < range.columns; ++j)
                sums[j / map.block].Add(ElementValue(row, range.firstColumn + j, complexMode));
        }
        for (int cell = 0; cell < map.cellColumns; ++cell)
            map.cells[static_cast<std::size_t>(cellRow) * map.cellColumns + cell] =
                sums[cell].Value();
    }
    return map;
}

Raster HeatMapRaster(const NEWMAT::Matrix& m, bool complexMode) {
    const HeatMap map = MakeHeatMap(m, complexMode, WholeMatrix(m, complexMode), kHeatMapLimit);
    Raster raster;
    if (map.cells.empty()) return raster;
    const int k = map.block == 1 ? kHeatMapLimit / std::max(map.cellRows, map.cellColumns) : 1;
    raster.width = map.cellColumns * k;
    raster.height = map.cellRows * k;
    raster.pixels.resize(static_cast<std::size_t>(raster.width) * raster.height);
    for (int y = 0; y < raster.height; ++y)
        for (int x = 0; x < raster.width; ++x)
            raster.pixels[static_cast<std::size_t>(y) * raster.width + x] =
                map.ColourOf(map.cells[static_cast<std::size_t>(y / k) * map.cellColumns + x / k]);
    return raster;
}
