#include "matrixlib/matrix_product.h"

#include "matrixlib/matrix_view.h"
#include "matrixlib/zt_error.h"

#include <cblas.h>

using namespace ztmath::detail;

Matrix MatMul(const Matrix& A, const Matrix& B) {
    if (A.Ncols() != B.Nrows()) nrerror(kSizeMismatch);
    const int m = A.Nrows();
    const int k = A.Ncols();
    const int n = B.Ncols();
    if (k == 0) return Zeros(m, n);
    Matrix C = Sized(m, n);
    if (m == 0 || n == 0) return C;
    cblas_dgemm(CblasRowMajor, CblasNoTrans, CblasNoTrans, m, n, k, 1.0, A.Store(), k, B.Store(),
                n, 0.0, C.Store(), n);
    return C;
}
