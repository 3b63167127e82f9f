#pragma once
// Shared helpers of the matrix library tests: building small matrices from
// literals and comparing with a tolerance.

#include "matrixlib/ztmath.h"

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <vector>

using NEWMAT::ColumnVector;
using NEWMAT::Matrix;
using NEWMAT::RowVector;

inline Matrix Mat(std::initializer_list<std::initializer_list<double>> rows) {
    const int r = static_cast<int>(rows.size());
    const int c = r > 0 ? static_cast<int>(rows.begin()->size()) : 0;
    Matrix m(r, c);
    int i = 1;
    for (const auto& row : rows) {
        int j = 1;
        for (double v : row)
            m(i, j++) = v;
        ++i;
    }
    return m;
}

inline Matrix Eye(int n) {
    Matrix m(n, n);
    m = 0.0;
    for (int i = 1; i <= n; ++i)
        m(i, i) = 1.0;
    return m;
}

inline Matrix Hilbert(int n) {
    Matrix h(n, n);
    for (int i = 1; i <= n; ++i)
        for (int j = 1; j <= n; ++j)
            h(i, j) = 1.0 / (i + j - 1);
    return h;
}

// Largest absolute elementwise difference; infinite when shapes differ.
inline double MaxDiff(const Matrix& a, const Matrix& b) {
    if (a.Nrows() != b.Nrows() || a.Ncols() != b.Ncols()) return INFINITY;
    double d = 0.0;
    for (int i = 1; i <= a.Nrows(); ++i)
        for (int j = 1; j <= a.Ncols(); ++j)
            d = std::fmax(d, std::fabs(a(i, j) - b(i, j)));
    return d;
}

#define EXPECT_MATRIX_NEAR(a, b, tol) EXPECT_LE(MaxDiff((a), (b)), (tol))

// Deterministic test matrix with entries in [−1, 1).
inline Matrix Sample(int r, int c, int seed) {
    int s = -seed;
    return Random(&s, r, c, -1.0, 1.0);
}
