#pragma once
// Numbers computed from a matrix.

#include <newmat.h>

using NEWMAT::Matrix;

// Number of singular values above max(m, n)·eps·σmax; 0 for an empty or
// zero matrix; a non-finite element → nrerror.
int Rank(const Matrix& M);
// σmax/σmin over the min(m, n) singular values; −1 when σmin is zero or
// below the rank tolerance; −2 for an empty matrix, a non-finite element
// or a failed decomposition.
double Condition(const Matrix& M);
// Sum of m_ii for i = 1..min(rows, columns).
double Tr(const Matrix& M);
// Euclidean norm of all elements, computed without overflow.
double RNorm(const Matrix& v);
// Sum of a_k·b_k over the elements in storage order; different element
// counts → nrerror.
double VectorDotProd(const Matrix& A, const Matrix& B);
