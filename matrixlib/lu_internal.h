#pragma once
// LU pieces shared by the solvers, inverses and powers.

#include <newmat.h>

#include <vector>

namespace ztmath::detail {

// Pivots at or below this magnitude count as zero: order·eps·max|a|.
double PivotTolerance(const NEWMAT::Matrix& A);
// Compact LU of square M in place; swaps[k] is the row exchanged with row k
// at step k (swaps[0] unused). Raises "Singular Matrix" for a zero pivot and
// an error for non-finite elements.
void FactorInPlace(NEWMAT::Matrix& M, std::vector<int>& swaps, int& parity);
// B becomes A⁻¹B from the factors of FactorInPlace.
void SolveFactored(const NEWMAT::Matrix& LU, const std::vector<int>& swaps, NEWMAT::Matrix& B);
// Inverse of square A through its LU factors.
NEWMAT::Matrix Inverse(const NEWMAT::Matrix& A);

} // namespace ztmath::detail
