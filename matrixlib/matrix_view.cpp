#include "matrixlib/matrix_view.h"

#include "matrixlib/zt_error.h"

#include <algorithm>
#include <climits>
#include <vector>

namespace ztmath::detail {

double MaxAbs(const Matrix& m) {
    const double* p = m.Store();
    double big = 0.0;
    for (long k = 0; k < Count(m); ++k) {
        const double a = std::fabs(p[k]);
        if (std::isnan(a)) return a;
        if (a > big) big = a;
    }
    return big;
}

bool AllFinite(const Matrix& m) {
    const double* p = m.Store();
    for (long k = 0; k < Count(m); ++k)
        if (!std::isfinite(p[k])) return false;
    return true;
}

double OneNorm(const Matrix& m) {
    // Row by row through the store, one running sum per column.
    std::vector<double> sums(static_cast<size_t>(m.Ncols()), 0.0);
    const double* p = m.Store();
    for (int i = 0; i < m.Nrows(); ++i)
        for (int j = 0; j < m.Ncols(); ++j)
            sums[j] += std::fabs(*p++);
    double best = 0.0;
    for (double s : sums)
        best = std::max(best, s);
    return best;
}

double InfinityNorm(const Matrix& m) {
    const double* p = m.Store();
    double best = 0.0;
    for (int i = 0; i < m.Nrows(); ++i) {
        double s = 0.0;
        for (int j = 0; j < m.Ncols(); ++j)
            s += std::fabs(*p++);
        best = std::max(best, s);
    }
    return best;
}

Matrix Sized(long long rows, long long cols) {
    if (rows < 0 || cols < 0 || rows * cols > INT_MAX || rows > INT_MAX || cols > INT_MAX)
        nrerror(kTooLarge);
    return Matrix(static_cast<int>(rows), static_cast<int>(cols));
}

Matrix Zeros(long long rows, long long cols) {
    Matrix z = Sized(rows, cols);
    if (Count(z) > 0) z = 0.0;
    return z;
}

Matrix Identity(int n) {
    Matrix id = Zeros(n, n);
    View v(id);
    for (int i = 1; i <= n; ++i)
        v(i, i) = 1.0;
    return id;
}

void RequireSquare(const Matrix& m) {
    if (m.Nrows() != m.Ncols()) nrerror(kNonSquare);
}

void RequireDual(const Matrix& m) {
    if (m.Ncols() % 2 != 0) nrerror(kNotComplex);
}

void RequireSquareDual(const Matrix& m) {
    RequireDual(m);
    if (2 * m.Nrows() != m.Ncols()) nrerror(kNonSquare);
}

} // namespace ztmath::detail
