#include "archive/packed_matrix.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>

namespace {

// trunc(count) as a matrix dimension, or -1 when it is none.
long long Dimension(double count) {
    if (!std::isfinite(count)) return -1;
    const double whole = std::trunc(count);
    if (whole < 0 || whole > std::numeric_limits<std::int32_t>::max()) return -1;
    return static_cast<long long>(whole);
}

} // namespace

void PackMatrix(const NEWMAT::Matrix& matrix, PackedMatrix& packed) {
    const int elements = matrix.Storage();
    packed.clear();
    packed.reserve(2 + static_cast<std::size_t>(elements));
    packed.push_back(matrix.Nrows());
    packed.push_back(matrix.Ncols());
    if (elements > 0) packed.insert(packed.end(), matrix.Store(), matrix.Store() + elements);
}

PackedShape ShapeOfPacked(const PackedMatrix& packed) {
    if (packed.size() < 2) return {};
    const long long rows = Dimension(packed[0]);
    const long long columns = Dimension(packed[1]);
    if (rows < 0 || columns < 0) return {};
    const long long elements = rows * columns;
    if (elements > std::numeric_limits<std::int32_t>::max() ||
        static_cast<std::size_t>(elements) > packed.size() - 2)
        return {};
    return {static_cast<int>(rows), static_cast<int>(columns)};
}

NEWMAT::Matrix UnpackMatrix(const PackedMatrix& packed) {
    NEWMAT::Matrix matrix;
    const PackedShape shape = ShapeOfPacked(packed);
    if (shape.rows == 0 && shape.columns == 0) return matrix;
    matrix.ReSize(shape.rows, shape.columns);
    const auto elements = static_cast<std::ptrdiff_t>(shape.rows) * shape.columns;
    std::copy(packed.begin() + 2, packed.begin() + 2 + elements, matrix.Store());
    return matrix;
}
