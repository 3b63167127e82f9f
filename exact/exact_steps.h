#pragma once
// The elementary row operations of exact Gauss-Jordan elimination, each
// with the matrix after it. The last step's matrix is the reduced row
// echelon form (for Inv [I | A⁻¹], for Solve [I | x]).

#include "exact/exact_result.h"
#include "exact/rational_matrix.h"
#include "exact/row_operation.h"

#include <vector>

struct ExactStep {
    ExactRowOperation operation;
    RationalMatrix after;
};

// Steps are kept for matrices of at most this many elements (the
// augmented matrix for Inv and Solve); a larger one is TooLarge, so a
// long elimination does not keep thousands of large matrices.
inline constexpr int kLargestSteppedElements = 800;

// The pivot of each column is its first non-zero element from the pivot
// row down (a swap only where the pivot row has a zero); the pivot row is
// scaled to a leading 1 and the column cleared in every other row.
ExactResult<std::vector<ExactStep>> RrefSteps(const RationalMatrix& m);
// The steps on [A | I]; NotSquare for a matrix that is not.
ExactResult<std::vector<ExactStep>> InverseSteps(const RationalMatrix& a);
// The steps on [A | B]; SizeMismatch when the row counts differ.
ExactResult<std::vector<ExactStep>> SolveSteps(const RationalMatrix& a, const RationalMatrix& b);
