#pragma once
// Linear algebra in exact rational arithmetic for matrices of at most
// kLargestExactExtent rows and columns. Singular means exactly singular.
// Every function checks its shapes first, then the size limit.

#include "exact/exact_result.h"
#include "exact/rational_matrix.h"

#include <gmpxx.h>

// A + B, A − B: same shapes, else SizeMismatch.
ExactResult<RationalMatrix> ExactSum(const RationalMatrix& a, const RationalMatrix& b);
ExactResult<RationalMatrix> ExactDifference(const RationalMatrix& a, const RationalMatrix& b);
// A·B: columns of A = rows of B, else SizeMismatch.
ExactResult<RationalMatrix> ExactProduct(const RationalMatrix& a, const RationalMatrix& b);
// A⁻¹.
ExactResult<RationalMatrix> ExactInverse(const RationalMatrix& a);
// A·B⁻¹: columns of A = rows of B (else SizeMismatch), then B square.
ExactResult<RationalMatrix> ExactQuotient(const RationalMatrix& a, const RationalMatrix& b);
// X with A·X = B (B may have several columns; rows of B = rows of A).
ExactResult<RationalMatrix> ExactSolve(const RationalMatrix& a, const RationalMatrix& b);
// det A (0 for a singular matrix, 1 for the empty one).
ExactResult<mpq_class> ExactDeterminant(const RationalMatrix& a);
// det(A)·A⁻¹; a singular A is Singular, as in floating point.
ExactResult<RationalMatrix> ExactAdjugate(const RationalMatrix& a);
// The reduced row echelon form (any shape).
ExactResult<RationalMatrix> ExactRref(const RationalMatrix& a);

// [A | B]: A's rows continued by B's (same row counts).
RationalMatrix SideBySide(const RationalMatrix& a, const RationalMatrix& b);
