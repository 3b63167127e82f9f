#include "matrixlib/rearrange.h"

#include "matrixlib/matrix_view.h"
#include "matrixlib/zt_error.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>
#include <vector>

using namespace ztmath::detail;

namespace {

// A strict weak order on doubles with NaN after everything, so sorting stays
// well defined for any input.
bool Before(double a, double b) {
    if (std::isnan(a)) return false;
    if (std::isnan(b)) return true;
    return a < b;
}

} // namespace

void Flip(Matrix& M) {
    View m(M);
    const int cols = M.Ncols();
    for (int i = 1; i <= M.Nrows(); ++i)
        for (int j = 1; j <= cols / 2; ++j)
            std::swap(m(i, j), m(i, cols + 1 - j));
}

void Flop(Matrix& M) {
    View m(M);
    const int rows = M.Nrows();
    for (int i = 1; i <= rows / 2; ++i)
        for (int j = 1; j <= M.Ncols(); ++j)
            std::swap(m(i, j), m(rows + 1 - i, j));
}

void SquareRoot(Matrix& M) {
    double* p = M.Store();
    for (long k = 0; k < Count(M); ++k)
        p[k] = std::sqrt(p[k]);
}

void QuickSort(Matrix& M) {
    double* p = M.Store();
    if (Count(M) > 0) std::sort(p, p + Count(M), Before);
}

void SortRow(Matrix& M) {
    View m(M);
    const int cols = M.Ncols();
    for (int i = 1; i <= M.Nrows() && cols > 0; ++i)
        std::sort(&m(i, 1), &m(i, 1) + cols, Before);
}

void Srow(Matrix& M, int a, int b) {
    const int rows = M.Nrows();
    if (a < 1 || a > rows || b < 1 || b > rows) nrerror("Row out of range");
    View m(M);
    for (int j = 1; j <= M.Ncols(); ++j)
        std::swap(m(a, j), m(b, j));
}

void Shape(Matrix& M, int rows) {
    const long count = Count(M);
    if (rows < 1 || count == 0 || count % rows != 0) return;
    // Storage is row by row, so reshaping keeps the elements in place.
    Matrix R(rows, static_cast<int>(count / rows));
    std::copy(M.Store(), M.Store() + count, R.Store());
    M = R;
}

void Truncate(Matrix& M, int digits) {
    const double scale = std::pow(10.0, std::max(digits, 0));
    // Beyond 2^52 every double is already a whole number.
    const double whole = std::ldexp(1.0, 52);
    double* p = M.Store();
    for (long k = 0; k < Count(M); ++k) {
        const double y = p[k] * scale;
        if (!std::isfinite(y) || std::fabs(y) >= whole) continue;
        // 0.29 is stored a hair below 0.29, so 0.29·100 gives 28.999999999999996:
        // a product within a few rounding steps of a whole number is that number.
        const double nearest = std::nearbyint(y);
        const double cut =
            std::fabs(y - nearest) <= 4.0 * std::numeric_limits<double>::epsilon() * std::fabs(y)
                ? nearest
                : std::trunc(y);
        p[k] = cut / scale;
    }
}

void SetRowOrder(Matrix& M, const Matrix& order) {
    const int rows = M.Nrows();
    if (Count(order) != rows) nrerror(kSizeMismatch);
    const double* key = order.Store();
    std::vector<int> perm(rows);
    std::iota(perm.begin(), perm.end(), 1);
    std::stable_sort(perm.begin(), perm.end(),
                     [key](int a, int b) { return Before(key[a - 1], key[b - 1]); });
    Matrix R = M;
    ConstView src(M);
    View dst(R);
    for (int i = 1; i <= rows; ++i)
        for (int j = 1; j <= M.Ncols(); ++j)
            dst(i, j) = src(perm[i - 1], j);
    M = R;
}
