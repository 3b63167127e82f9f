#include "matrixlib/special_matrices.h"

#include "matrixlib/creation.h"
#include "matrixlib/lapack_routines.h"
#include "matrixlib/matrix_view.h"
#include "matrixlib/zt_error.h"

#include <cmath>
#include <vector>

using namespace ztmath::detail;

Matrix Hilbert(int rows, int columns) {
    if (rows < 1 || columns < 1) return Matrix();
    Matrix H = Sized(rows, columns);
    View h(H);
    for (int i = 1; i <= rows; ++i)
        for (int j = 1; j <= columns; ++j)
            h(i, j) = std::pow(i + j - 1.0, -1.0);
    return H;
}

Matrix Circulant(const Matrix& v) {
    const long n = Count(v);
    Matrix T = Sized(n, n);
    const double* base = v.Store();
    double* row = T.Store();
    // Row r holds the base shifted right by r: its last r elements first.
    for (long r = 0; r < n; ++r, row += n) {
        for (long k = 0; k < r; ++k)
            row[k] = base[n - r + k];
        for (long k = r; k < n; ++k)
            row[k] = base[k - r];
    }
    return T;
}

Matrix Vandermonde(const Matrix& u) {
    const long n = Count(u);
    Matrix V = Sized(n, n);
    const double* base = u.Store();
    View v(V);
    for (int i = 1; i <= n; ++i)
        for (int j = 1; j <= n; ++j)
            v(i, j) = std::pow(base[i - 1], j - 1.0);
    return V;
}

Matrix PlaneReflection(double t) {
    Matrix R(2, 2);
    R(1, 1) = std::cos(t);
    R(1, 2) = std::sin(t);
    R(2, 1) = std::sin(t);
    R(2, 2) = -std::cos(t);
    return R;
}

Matrix PlaneRotation(double t) {
    Matrix R(2, 2);
    R(1, 1) = std::cos(t);
    R(1, 2) = std::sin(t);
    R(2, 1) = -std::sin(t);
    R(2, 2) = std::cos(t);
    return R;
}

Matrix RandomOrthogonal(int* seed, int n) {
    if (n < 1) return Matrix();
    Matrix R = Random(seed, n, n, -100.0, 100.0);
    // LAPACK reads newmat's row-major store as Rᵀ = V Σ Uᵀ, so the left
    // singular vectors it writes over the store (column-major) are R's right
    // singular vectors V, and read row by row they are Vᵀ.
    std::vector<double> values(n);
    // The rows of Uᵀ, which LAPACK returns as well.
    std::vector<double> leftFactor(static_cast<std::size_t>(n) * n);
    std::vector<int> iwork(8 * static_cast<std::size_t>(n));
    double unused = 0.0;
    const int one = 1;
    int info = 0;
    CallWithWorkspace([&](double* work, const int* length) {
        dgesdd_("O", &n, &n, R.Store(), &n, values.data(), &unused, &one, leftFactor.data(), &n,
                work, length, iwork.data(), &info, 1);
    });
    if (info != 0) nrerror(kSvdNotConverged);
    return R.t();
}
