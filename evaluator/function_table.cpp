#include "evaluator/function_table.h"

#include <newmatap.h>

#include <algorithm>
#include <cmath>

#include "evaluator/operation_result.h"
#include "matrixlib/elements.h"
#include "matrixlib/ztmath.h"

using NEWMAT::Matrix;
using Result = std::optional<EvalError>;

namespace {


// Each element replaced by f(element).
template <double (*f)(double)> Result Elements(Matrix& M) {
    return Replace(M, OperationUndefined, [&] {
        Matrix result = M;
        ApplyToElements(result, f);
        return result;
    });
}


Result SquareRoots(Matrix& M) {
    return Replace(M, OperationUndefined, [&] {
        Matrix result = M;
        SquareRoot(result);
        return result;
    });
}

Result DeterminantOf(Matrix& M) {
    if (!Square(M)) return SingularMatrix;
    return Replace(M, SingularMatrix, [&] { return ScalarMatrix(Determinant(M)); });
}

Result InverseOf(Matrix& M) {
    if (!Square(M)) return SingularMatrix;
    return Replace(M, SingularMatrix, [&] { return Inverse(M); });
}

Result AdjugateOf(Matrix& M) {
    if (!Square(M)) return SingularMatrix;
    return Replace(M, SingularMatrix, [&] { return Adjugate(M); });
}

Result Trace(Matrix& M) {
    return Replace(M, OperationUndefined, [&] { return ScalarMatrix(Tr(M)); });
}

Result Norm(Matrix& M) {
    return Replace(M, OperationUndefined, [&] { return ScalarMatrix(RNorm(M)); });
}

Result Transpose(Matrix& M) {
    return Replace(M, OperationUndefined, [&]() -> Matrix { return M.t(); });
}

// The elements in reading order, laid out as rows x cols.
Result Reshape(Matrix& M, int rows, int cols) {
    return Replace(M, OperationUndefined, [&] {
        Matrix result(rows, cols);
        // Both are stored row by row, so reshaping keeps the order of the values.
        std::copy(M.Store(), M.Store() + M.Storage(), result.Store());
        return result;
    });
}

Result AsRowVector(Matrix& M) {
    return Reshape(M, 1, M.Nrows() * M.Ncols());
}

Result AsColumnVector(Matrix& M) {
    return Reshape(M, M.Nrows() * M.Ncols(), 1);
}

Result ReducedRowEchelon(Matrix& M) {
    return Replace(M, OperationUndefined, [&] {
        Matrix result = M;
        return DoGauss(result);
    });
}

Result Flipped(Matrix& M) {
    Flip(M);
    return std::nullopt;
}

Result Flopped(Matrix& M) {
    Flop(M);
    return std::nullopt;
}

template <bool upper> Result LuFactor(Matrix& M) {
    if (!Square(M)) return IncompatibleDimensions;
    return Replace(M, SingularMatrix, [&] {
        Matrix compact = M;
        NEWMAT::RowVector index(M.Nrows());
        int parity = 1;
        LuDcmp(compact, index, parity);
        return upper ? GetUpperLu(compact) : GetLowerLu(compact);
    });
}

const FunctionRow kFunctions[] = {
    {"sin", FnSin, Elements<::sin>},
    {"cos", FnCos, Elements<::cos>},
    {"tan", FnTan, Elements<::tan>},
    {"log", FnLog, Elements<::log10>},
    {"ln", FnLn, Elements<::log>},
    {"exp", FnExp, Elements<::exp>},
    {"deg", FnDeg, Elements<DegreesFromRadians>},
    {"rad", FnRad, Elements<RadiansFromDegrees>},
    {"arcsin", FnArcsin, Elements<::asin>},
    {"arcos", FnArcos, Elements<::acos>},
    {"arctan", FnArctan, Elements<::atan>},
    {"det", FnDet, DeterminantOf},
    {"trans", FnTrans, Transpose},
    {"inv", FnInv, InverseOf},
    {"trace", FnTrace, Trace},
    {"rowvec", FnRowvec, AsRowVector},
    {"colvec", FnColvec, AsColumnVector},
    {"adj", FnAdj, AdjugateOf},
    {"rref", FnRref, ReducedRowEchelon},
    {"norm", FnNorm, Norm},
    {"flip", FnFlip, Flipped},
    {"flop", FnFlop, Flopped},
    {"sqrt", FnSqrt, SquareRoots},
    {"luu", FnLuu, LuFactor<true>},
    {"lul", FnLul, LuFactor<false>},
};

} // namespace

const FunctionRow* LookupFunction(std::string_view word) {
    for (const FunctionRow& function : kFunctions)
        if (word == function.name) return &function;
    return nullptr;
}

Result ApplyFunction(const FunctionRow& function, Matrix& M) {
    if (!Exist(M)) return std::nullopt;
    return function.apply(M);
}
