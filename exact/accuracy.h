#pragma once
// How far a floating-point answer of a square system can be trusted: the
// 1-norm condition number the singularity rule estimates from the LU, the
// decimal digits it leaves, and for a solve the relative residual.

#include "matrixlib/lu_factors.h"

#include <newmat.h>

#include <optional>
#include <string>

struct Accuracy {
    // ‖A‖₁·‖A⁻¹‖₁ as LAPACK's dgecon estimates it; inf for a zero pivot or
    // a non-finite element.
    double condition = 1.0;
    // floor(16 − log10(condition)), at least 0.
    int trustedDigits = 16;
    // The reciprocal condition is less than kNearSingularFactor times the
    // bound below which the singularity rule refuses the matrix (or is
    // below it).
    bool nearSingular = false;
    // For a solve: ‖Ax − b‖∞ / (‖A‖∞·‖x‖∞ + ‖b‖∞); 0 when that is 0/0.
    std::optional<double> residual;
};

inline constexpr double kNearSingularFactor = 1000.0;

// From factors already made.
Accuracy AccuracyOfFactors(const ztmath::detail::LuFactors& lu);
// From an LU of A made here; none when A is not square.
std::optional<Accuracy> AccuracyOf(const NEWMAT::Matrix& A);
// AccuracyOf(A) with the residual of the solution x of A·x = b; none when
// the shapes do not fit together.
std::optional<Accuracy> SolveAccuracy(const NEWMAT::Matrix& A, const NEWMAT::Matrix& x,
                                      const NEWMAT::Matrix& b);

// The notice line: "condition 1.5e+04, 12 digits trusted", followed by
// ", residual 2.3e-17" for a solve.
std::string AccuracyText(const Accuracy& accuracy);
