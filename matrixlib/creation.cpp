#include "matrixlib/creation.h"

#include "matrixlib/matrix_view.h"
#include "matrixlib/zt_error.h"

#include <cmath>
#include <vector>

using namespace ztmath::detail;

Matrix Kron(const Matrix& A, const Matrix& B) {
    const int ar = A.Nrows(), ac = A.Ncols(), br = B.Nrows(), bc = B.Ncols();
    Matrix K = Sized(1LL * ar * br, 1LL * ac * bc);
    ConstView a(A), b(B);
    View k(K);
    for (int i = 1; i <= ar; ++i)
        for (int j = 1; j <= ac; ++j)
            for (int p = 1; p <= br; ++p)
                for (int q = 1; q <= bc; ++q)
                    k((i - 1) * br + p, (j - 1) * bc + q) = a(i, j) * b(p, q);
    return K;
}

Matrix BlockDiagonal(const Matrix& A, const Matrix& B) {
    const int ar = A.Nrows(), ac = A.Ncols();
    Matrix D = Zeros(0LL + ar + B.Nrows(), 0LL + ac + B.Ncols());
    ConstView a(A), b(B);
    View d(D);
    for (int i = 1; i <= ar; ++i)
        for (int j = 1; j <= ac; ++j)
            d(i, j) = a(i, j);
    for (int i = 1; i <= B.Nrows(); ++i)
        for (int j = 1; j <= B.Ncols(); ++j)
            d(ar + i, ac + j) = b(i, j);
    return D;
}

Matrix VectorCrossProd(const Matrix& A, const Matrix& B) {
    if (Count(A) != 3 || Count(B) != 3) nrerror("Cross product needs two 3-element vectors");
    const double* a = A.Store();
    const double* b = B.Store();
    Matrix C(A.Nrows(), A.Ncols());
    double* c = C.Store();
    c[0] = a[1] * b[2] - a[2] * b[1];
    c[1] = a[2] * b[0] - a[0] * b[2];
    c[2] = a[0] * b[1] - a[1] * b[0];
    return C;
}

Matrix Prime(int n) {
    if (n < 1) return Matrix();
    Matrix row = Sized(1, n);
    // The n-th prime is below n(ln n + ln ln n) for n ≥ 6.
    const double x = n < 6 ? 15.0 : n * (std::log(n) + std::log(std::log(n))) + 3.0;
    const auto limit = static_cast<size_t>(x);
    std::vector<bool> composite(limit + 1, false);
    int found = 0;
    for (size_t k = 2; k <= limit && found < n; ++k) {
        if (composite[k]) continue;
        row(1, ++found) = static_cast<double>(k);
        for (size_t m = k * k; m <= limit; m += k)
            composite[m] = true;
    }
    return row;
}
