#include "matrixlib/dual_matrix.h"

#include "matrixlib/linear_solvers.h"
#include "matrixlib/matrix_product.h"
#include "matrixlib/matrix_view.h"
#include "matrixlib/zt_error.h"

#include <algorithm>

using namespace ztmath::detail;

Matrix GetDualReal(const Matrix& M) {
    RequireDual(M);
    const int n = M.Ncols() / 2;
    if (M.Nrows() == 0 || n == 0) return Matrix(M.Nrows(), n);
    return M.SubMatrix(1, M.Nrows(), 1, n);
}

Matrix GetDualImag(const Matrix& M) {
    RequireDual(M);
    const int n = M.Ncols() / 2;
    if (M.Nrows() == 0 || n == 0) return Matrix(M.Nrows(), n);
    return M.SubMatrix(1, M.Nrows(), n + 1, 2 * n);
}

Matrix MakeDualMatrix(const Matrix& re, const Matrix& im) {
    if (re.Nrows() != im.Nrows() || re.Ncols() != im.Ncols()) nrerror(kSizeMismatch);
    const int rows = re.Nrows();
    const int n = re.Ncols();
    Matrix D = Sized(rows, 2LL * n);
    ConstView r(re), i(im);
    View d(D);
    for (int a = 1; a <= rows; ++a)
        for (int b = 1; b <= n; ++b) {
            d(a, b) = r(a, b);
            d(a, n + b) = i(a, b);
        }
    return D;
}

Matrix Conjugate(const Matrix& M) {
    RequireDual(M);
    Matrix C = M;
    View c(C);
    const int n = M.Ncols() / 2;
    for (int a = 1; a <= M.Nrows(); ++a)
        for (int b = n + 1; b <= 2 * n; ++b)
            c(a, b) = -c(a, b);
    return C;
}

Matrix CHTranspose(const Matrix& M) {
    RequireDual(M);
    const int rows = M.Nrows();
    const int n = M.Ncols() / 2;
    Matrix T = Sized(n, 2LL * rows);
    ConstView m(M);
    View t(T);
    for (int a = 1; a <= rows; ++a)
        for (int b = 1; b <= n; ++b) {
            t(b, a) = m(a, b);
            t(b, rows + a) = -m(a, n + b);
        }
    return T;
}

Matrix CplxToComposite(const Matrix& M) {
    RequireDual(M);
    const int rows = M.Nrows();
    const int n = M.Ncols() / 2;
    Matrix K = Sized(2LL * rows, 2LL * n);
    ConstView m(M);
    View k(K);
    for (int a = 1; a <= rows; ++a)
        for (int b = 1; b <= n; ++b) {
            const double re = m(a, b);
            const double im = m(a, n + b);
            k(a, b) = re;
            k(a, n + b) = -im;
            k(rows + a, b) = im;
            k(rows + a, n + b) = re;
        }
    return K;
}

Matrix DeCompositeToCplx(const Matrix& K) {
    if (K.Nrows() % 2 != 0 || K.Ncols() % 2 != 0) nrerror("Not a composite matrix");
    const int rows = K.Nrows() / 2;
    const int n = K.Ncols() / 2;
    Matrix M(rows, 2 * n);
    ConstView k(K);
    View m(M);
    for (int a = 1; a <= rows; ++a)
        for (int b = 1; b <= n; ++b) {
            m(a, b) = k(a, b);
            m(a, n + b) = k(rows + a, b);
        }
    return M;
}

Matrix CMatMul(const Matrix& A, const Matrix& B) {
    RequireDual(A);
    RequireDual(B);
    if (A.Ncols() / 2 != B.Nrows()) nrerror(kSizeMismatch);
    return DeCompositeToCplx(MatMul(CplxToComposite(A), CplxToComposite(B)));
}

Matrix CInv(const Matrix& M) {
    RequireSquareDual(M);
    // The composite of the inverse is the inverse of the composite.
    return DeCompositeToCplx(Inverse(CplxToComposite(M)));
}

Matrix CDiagProd(const Matrix& M) {
    RequireDual(M);
    const int n = M.Ncols() / 2;
    ConstView m(M);
    double re = 1.0;
    double im = 0.0;
    for (int k = 1; k <= std::min(M.Nrows(), n); ++k) {
        const double r = re * m(k, k) - im * m(k, n + k);
        im = re * m(k, n + k) + im * m(k, k);
        re = r;
    }
    Matrix z(1, 2);
    z(1, 1) = re;
    z(1, 2) = im;
    return z;
}

Matrix CTr(const Matrix& M) {
    RequireDual(M);
    const int n = M.Ncols() / 2;
    ConstView m(M);
    double re = 0.0;
    double im = 0.0;
    for (int k = 1; k <= std::min(M.Nrows(), n); ++k) {
        re += m(k, k);
        im += m(k, n + k);
    }
    Matrix z(1, 2);
    z(1, 1) = re;
    z(1, 2) = im;
    return z;
}
