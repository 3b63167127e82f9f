#pragma once
// How the operators and functions of an expression give their result: the
// left operand is replaced only when the computation succeeds.

#include <newmat.h>

#include <new>
#include <optional>

#include "evaluator/eval_errors.h"
#include "matrixlib/matrix_move.h"
#include "matrixlib/zt_error.h"

// The 1 x 1 matrix an expression's number becomes.
inline NEWMAT::Matrix ScalarMatrix(double value) {
    NEWMAT::Matrix M(1, 1);
    M(1, 1) = value;
    return M;
}

// Runs `compute`, which builds the new value of M; M is only replaced when
// it succeeds. The checks before each call keep the libraries' own failures
// for the cases they cannot foresee (a pivot that vanishes in rounding):
// those raise `onLibraryError`. Running out of memory raises "Not enough
// memory". The result's storage becomes M's: no element is copied.
template <typename Compute>
std::optional<EvalError> Replace(NEWMAT::Matrix& M, EvalError onLibraryError, Compute compute) {
    try {
        NEWMAT::Matrix result = compute();
        MoveMatrix(M, result);
        return std::nullopt;
    } catch (const ztmath::MathError&) {
        return onLibraryError;
    } catch (const RBD_COMMON::Bad_alloc&) {
        return NotEnoughMemory;
    } catch (const RBD_COMMON::BaseException&) {
        return onLibraryError;
    } catch (const std::bad_alloc&) {
        return NotEnoughMemory;
    }
}

inline bool IsScalar(const NEWMAT::Matrix& M) {
    return M.Nrows() == 1 && M.Ncols() == 1;
}
