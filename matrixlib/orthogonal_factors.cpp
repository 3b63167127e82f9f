// QR and SVD factors through LAPACK. newmat's row-major store of the m × n
// matrix A is the column-major store of Aᵀ (n × m), so both work on Aᵀ and
// read the factors of A back without copying through a transpose:
// Aᵀ = L·P (LQ) gives A = Pᵀ·Lᵀ, and Aᵀ = U'·S·V'ᵀ gives A = V'·S·U'ᵀ.

#include "matrixlib/orthogonal_factors.h"

#include "matrixlib/lapack_routines.h"
#include "matrixlib/matrix_view.h"
#include "matrixlib/power_of_two_scaling.h"
#include "matrixlib/zt_error.h"

#include <cmath>
#include <vector>

using namespace ztmath::detail;

namespace {

const char* const kRowsBelowColumns = "Rows must be >= columns";

void RequireTall(const Matrix& A) {
    if (A.Nrows() < A.Ncols()) nrerror(kRowsBelowColumns);
    if (!AllFinite(A)) nrerror(kNonFinite);
}

} // namespace

void QrFactors(const Matrix& A, Matrix& Q, Matrix& R) {
    RequireTall(A);
    const int rows = A.Nrows();
    const int cols = A.Ncols();
    Matrix scaled = A;
    const int exponent = ScaleToUnit(scaled);
    // Aᵀ is cols × rows, column-major with leading dimension cols.
    std::vector<double> a(scaled.Store(), scaled.Store() + Count(scaled));
    std::vector<double> tau(cols);
    int info = 0;
    CallWithWorkspace([&](double* work, const int* length) {
        dgelqf_(&cols, &rows, a.data(), &cols, tau.data(), work, length, &info);
    });
    // R = Lᵀ: L(i, j) for i ≥ j sits at a[i + j·cols], which is R(j, i) read
    // row by row.
    R = Zeros(cols, cols);
    View r(R);
    for (int i = 1; i <= cols; ++i)
        for (int j = i; j <= cols; ++j)
            r(i, j) = std::ldexp(a[(i - 1) * cols + (j - 1)], exponent);
    CallWithWorkspace([&](double* work, const int* length) {
        dorglq_(&cols, &rows, &cols, a.data(), &cols, tau.data(), work, length, &info);
    });
    // P (cols × rows, column-major) read row by row is Pᵀ = Q.
    Q = Sized(rows, cols);
    std::copy(a.begin(), a.end(), Q.Store());
    // The factorisation with R's diagonal non-negative is the unique one
    // for independent columns: flip row k of R with column k of Q.
    View q(Q);
    for (int k = 1; k <= cols; ++k) {
        if (!(r(k, k) < 0.0)) continue;
        for (int j = k; j <= cols; ++j)
            r(k, j) = -r(k, j);
        for (int i = 1; i <= rows; ++i)
            q(i, k) = -q(i, k);
    }
}

void SvdFactors(const Matrix& A, Matrix& U, ColumnVector& sigma, Matrix& V) {
    RequireTall(A);
    const int rows = A.Nrows();
    const int cols = A.Ncols();
    Matrix scaled = A;
    const int exponent = ScaleToUnit(scaled);
    std::vector<double> a(scaled.Store(), scaled.Store() + Count(scaled));
    std::vector<double> s(cols);
    std::vector<double> u(static_cast<size_t>(cols) * cols);
    std::vector<double> vt(static_cast<size_t>(cols) * rows);
    std::vector<int> iwork(8 * static_cast<size_t>(cols));
    int info = 0;
    CallWithWorkspace([&](double* work, const int* length) {
        dgesdd_("S", &cols, &rows, a.data(), &cols, s.data(), u.data(), &cols, vt.data(), &cols,
                work, length, iwork.data(), &info, 1);
    });
    if (info != 0) nrerror(kSvdNotConverged);
    // V'ᵀ (cols × rows, column-major) read row by row is V' = U of A.
    U = Sized(rows, cols);
    std::copy(vt.begin(), vt.end(), U.Store());
    // U' (cols × cols, column-major) read row by row is U'ᵀ; V of A is U'.
    V = Sized(cols, cols);
    View v(V);
    for (int i = 1; i <= cols; ++i)
        for (int j = 1; j <= cols; ++j)
            v(i, j) = u[(i - 1) + static_cast<size_t>(j - 1) * cols];
    sigma.ReSize(cols);
    for (int i = 1; i <= cols; ++i)
        sigma(i) = std::ldexp(s[i - 1], exponent);
}
