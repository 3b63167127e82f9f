#include "matrixlib/dual_matrix.h"
#include "matrixlib/linear_solvers.h"
#include "matrixlib/matrix_functions.h"
#include "matrixlib/matrix_product.h"
#include "matrixlib/matrix_view.h"

using namespace ztmath::detail;

Matrix Power(const Matrix& M, int n) {
    RequireSquare(M);
    const int order = M.Nrows();
    if (n == 0) return Identity(order);
    Matrix base = n > 0 ? M : Inverse(M);
    // |n| as unsigned so that the most negative int has a magnitude.
    unsigned long e = n > 0 ? static_cast<unsigned long>(n)
                            : 0UL - static_cast<unsigned long>(static_cast<long>(n));
    Matrix result = Identity(order);
    bool first = true;
    while (e > 0) {
        if (e & 1UL) {
            if (first)
                result = base;
            else
                result = MatMul(result, base);
            first = false;
        }
        e >>= 1;
        if (e > 0) base = MatMul(base, base);
    }
    return result;
}

Matrix CPower(const Matrix& M, int n) {
    RequireSquareDual(M);
    // Complex products are real products of composites.
    return DeCompositeToCplx(Power(CplxToComposite(M), n));
}
