#include "evaluator/matrix_operations.h"

#include "matrixlib/ztmath.h"

#include <newmatap.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <new>

using NEWMAT::Matrix;

namespace {

bool IsScalar(const Matrix& M) {
    return M.Nrows() == 1 && M.Ncols() == 1;
}
bool SameShape(const Matrix& A, const Matrix& B) {
    return A.Nrows() == B.Nrows() && A.Ncols() == B.Ncols();
}

Matrix Scalar(double value) {
    Matrix M(1, 1);
    M(1, 1) = value;
    return M;
}

// Runs `compute`, which builds the new value of M; M is only replaced when
// it succeeds. The checks before each call keep the libraries' own failures
// for the cases they cannot foresee (a pivot that vanishes in rounding):
// those raise `onLibraryError`. Running out of memory raises "Operation
// Undefined".
template <typename Compute>
std::optional<EvalError> Replace(Matrix& M, EvalError onLibraryError, Compute compute) {
    try {
        Matrix result = compute();
        M = result;
        return std::nullopt;
    } catch (const ztmath::MathError&) {
        return onLibraryError;
    } catch (const RBD_COMMON::BaseException&) {
        return onLibraryError;
    } catch (const std::bad_alloc&) {
        return OperationUndefined;
    }
}

template <typename Function> Matrix ElementWise(const Matrix& M, Function f) {
    Matrix result = M;
    const int elements = result.Storage();
    NEWMAT::Real* values = result.Store();
    for (int k = 0; k < elements; ++k)
        values[k] = f(values[k]);
    return result;
}

Matrix Reshaped(const Matrix& M, int rows, int cols) {
    Matrix result(rows, cols);
    // Both are stored row by row, so reshaping keeps the order of the values.
    std::copy(M.Store(), M.Store() + M.Storage(), result.Store());
    return result;
}

Matrix LuFactor(const Matrix& M, bool upper) {
    Matrix compact = M;
    NEWMAT::RowVector index(M.Nrows());
    int parity = 1;
    LuDcmp(compact, index, parity);
    return upper ? GetUpperLu(compact) : GetLowerLu(compact);
}

constexpr double kPi = 3.14159265358979323846;

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

std::optional<EvalError> ApplyFunction(FunctionCode code, Matrix& M) {
    if (!Exist(M)) return std::nullopt;
    switch (code) {
    case FnSin:
        return Replace(M, OperationUndefined, [&] { return ElementWise(M, ::sin); });
    case FnCos:
        return Replace(M, OperationUndefined, [&] { return ElementWise(M, ::cos); });
    case FnTan:
        return Replace(M, OperationUndefined, [&] { return ElementWise(M, ::tan); });
    case FnLog:
        return Replace(M, OperationUndefined, [&] { return ElementWise(M, ::log10); });
    case FnLn:
        return Replace(M, OperationUndefined, [&] { return ElementWise(M, ::log); });
    case FnExp:
        return Replace(M, OperationUndefined, [&] { return ElementWise(M, ::exp); });
    case FnDeg:
        return Replace(M, OperationUndefined,
                       [&] { return ElementWise(M, [](double v) { return v * 180.0 / kPi; }); });
    case FnRad:
        return Replace(M, OperationUndefined,
                       [&] { return ElementWise(M, [](double v) { return v * kPi / 180.0; }); });
    case FnArcsin:
        return Replace(M, OperationUndefined, [&] { return ElementWise(M, ::asin); });
    case FnArcos:
        return Replace(M, OperationUndefined, [&] { return ElementWise(M, ::acos); });
    case FnArctan:
        return Replace(M, OperationUndefined, [&] { return ElementWise(M, ::atan); });
    case FnSqrt:
        return Replace(M, OperationUndefined, [&] {
            Matrix result = M;
            SquareRoot(result);
            return result;
        });
    case FnDet:
        if (!Square(M)) return SingularMatrix;
        return Replace(M, SingularMatrix, [&] { return Scalar(Determinant(M)); });
    case FnInv:
        if (!Square(M)) return SingularMatrix;
        return Replace(M, SingularMatrix, [&] { return Inverse(M); });
    case FnAdj:
        if (!Square(M)) return SingularMatrix;
        return Replace(M, SingularMatrix, [&] { return Adjugate(M); });
    case FnTrace:
        return Replace(M, OperationUndefined, [&] { return Scalar(Tr(M)); });
    case FnNorm:
        return Replace(M, OperationUndefined, [&] { return Scalar(RNorm(M)); });
    case FnTrans:
        return Replace(M, OperationUndefined, [&]() -> Matrix { return M.t(); });
    case FnRowvec:
        return Replace(M, OperationUndefined,
                       [&] { return Reshaped(M, 1, M.Nrows() * M.Ncols()); });
    case FnColvec:
        return Replace(M, OperationUndefined,
                       [&] { return Reshaped(M, M.Nrows() * M.Ncols(), 1); });
    case FnRref:
        return Replace(M, OperationUndefined, [&] {
            Matrix result = M;
            return DoGauss(result);
        });
    case FnFlip:
        Flip(M);
        return std::nullopt;
    case FnFlop:
        Flop(M);
        return std::nullopt;
    case FnLuu:
    case FnLul:
        if (!Square(M)) return IncompatibleDimensions;
        return Replace(M, SingularMatrix, [&] { return LuFactor(M, code == FnLuu); });
    case NotAFunction:
        break;
    }
    return std::nullopt;
}
