#pragma once
// How the operators and functions of an expression give their result: the
// left operand is replaced only when the computation succeeds.

#include <newmat.h>

#include <new>
#include <optional>

#include "evaluator/eval_errors.h"
#include "matrixlib/zt_error.h"

// Runs `compute`, which builds the new value of M; M is only replaced when
// it succeeds. The checks before each call keep the libraries' own failures
// for the cases they cannot foresee (a pivot that vanishes in rounding):
// those raise `onLibraryError`. Running out of memory raises "Not enough
// memory".
template <typename Compute>
std::optional<EvalError> Replace(NEWMAT::Matrix& M, EvalError onLibraryError, Compute compute) {
    try {
        NEWMAT::Matrix result = compute();
        M = result;
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
