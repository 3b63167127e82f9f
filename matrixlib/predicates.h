#pragma once
// Yes/no questions about a matrix: each returns 1 for true, 0 for false.
// "tol·max|m|" below means 1e-10 times the largest absolute element.

#include <newmat.h>

using NEWMAT::Matrix;

// rows × columns > 0.
int Exist(const Matrix& M);
// Exist and rows = columns.
int Square(const Matrix& M);
// Square and |m_ij − m_ji| ≤ tol·max|m| for all i, j.
int Symmetric(const Matrix& M);
// Square and |m_ij + m_ji| ≤ tol·max|m| for all i, j.
int SkewSymmetric(const Matrix& M);
// Exist and (not square, or singular by the library's one rule: a
// non-finite element, an exactly zero LU pivot or a 1-norm reciprocal
// condition number below n·eps); an empty matrix is not singular.
int Singular(const Matrix& M);
// Symmetric, a Cholesky factorisation succeeds with every pivot above
// n·eps·max|m_ii|, and not singular by the rule of Singular.
int PositiveDefinite(const Matrix& M);
// Square and every element of MᵀM − I within 1e-10.
int Orthogonal(const Matrix& M);
// Square, no negative element, every row sums to 1 within 1e-10.
int Stochastic(const Matrix& M);
// Exist and (one row or one column).
int IsVector(const Matrix& M);
// Even rows and columns and M = [A −B; B A] within tol·max|m|.
int IsComposite(const Matrix& M);
// Both vectors with the same number of elements (orientation may differ).
int DimCmp(const Matrix& A, const Matrix& B);
// Dual n × 2n with |Re_ij − Re_ji| ≤ tol and |Im_ij + Im_ji| ≤ tol.
int OnTestHermitian(const Matrix& M, double tol);
// Dual n × 2n with every element of UᴴU − I within tol.
int OnTestUnitary(const Matrix& M, double tol);
