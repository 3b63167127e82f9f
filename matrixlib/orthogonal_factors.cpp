#include "matrixlib/orthogonal_factors.h"

#include "matrixlib/matrix_view.h"
#include "matrixlib/power_of_two_scaling.h"
#include "matrixlib/zt_error.h"

#include <newmatap.h>

#include <cmath>

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
    Q = A;
    const int exponent = ScaleToUnit(Q);
    NEWMAT::UpperTriangularMatrix upper(A.Ncols());
    NEWMAT::QRZ(Q, upper);
    R = upper;
    double* r = R.Store();
    for (long k = 0; k < Count(R); ++k)
        r[k] = std::ldexp(r[k], exponent);
}

void SvdFactors(const Matrix& A, Matrix& U, ColumnVector& sigma, Matrix& V) {
    RequireTall(A);
    Matrix scaled = A;
    const int exponent = ScaleToUnit(scaled);
    NEWMAT::DiagonalMatrix D;
    NEWMAT::SVD(scaled, D, U, V, true, true);
    NEWMAT::SortSV(D, U, V);
    sigma.ReSize(D.Nrows());
    for (int i = 1; i <= D.Nrows(); ++i)
        sigma(i) = std::ldexp(D(i), exponent);
}
