#include "evaluator/matrix_operations.h"

#include "evaluator/operation_result.h"
#include "matrixlib/ztmath.h"

#include <climits>
#include <cmath>

using NEWMAT::Matrix;

namespace {

bool SameShape(const Matrix& A, const Matrix& B) {
    return A.Nrows() == B.Nrows() && A.Ncols() == B.Ncols();
}

} // namespace

std::optional<EvalError> CombineOperands(Matrix& M, char op, const Matrix& N) {
    switch (op) {
    case '+':
    case '-':
        if (!SameShape(M, N)) return IncompatibleDimensions;
        return Replace(M, OperationUndefined, [&]() -> Matrix {
            if (op == '+') return M + N;
            return M - N;
        });
    case '*':
        if (IsScalar(M)) {
            return Replace(M, OperationUndefined, [&]() -> Matrix { return N * M(1, 1); });
        }
        if (IsScalar(N)) {
            return Replace(M, OperationUndefined, [&]() -> Matrix { return M * N(1, 1); });
        }
        if (N.Nrows() != M.Ncols()) return ProductNotDefined;
        return Replace(M, OperationUndefined, [&] { return MatMul(M, N); });
    case '/':
        if (!Exist(N)) return MatrixDoesNotExist;
        if (!Square(N) || N.Nrows() != M.Ncols()) return ProductNotDefined;
        return Replace(M, SingularMatrix, [&] { return MatMul(M, Inverse(N)); });
    case '%': {
        if (!IsScalar(M) || !IsScalar(N)) return MeaninglessExpression;
        const double divisor = std::trunc(N(1, 1));
        if (divisor == 0.0) return SingularMatrix;
        // Adding 0.0 turns a remainder of -0 into 0.
        M(1, 1) = std::fmod(std::trunc(M(1, 1)), divisor) + 0.0;
        return std::nullopt;
    }
    default:
        return SyntaxError;
    }
}

std::optional<EvalError> RaiseToPower(Matrix& M, const Matrix& exponent) {
    if (!Exist(exponent)) return MeaninglessExpression;
    const double x = exponent(1, 1);
    if (!Exist(M)) return std::nullopt;
    if (IsScalar(M)) {
        M(1, 1) = std::pow(M(1, 1), x);
        return std::nullopt;
    }
    if (!Square(M)) return IncompatibleDimensions;
    if (!std::isfinite(x) || x != std::trunc(x) || std::fabs(x) > INT_MAX) {
        return MeaninglessExpression;
    }
    const int n = static_cast<int>(x);
    return Replace(M, SingularMatrix, [&]() { return Power(M, n); });
}
