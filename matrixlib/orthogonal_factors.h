#pragma once
// The factors of the QR and singular value decompositions (LAPACK), for
// matrices with at least as many rows as columns. Both work on the matrix
// scaled by a power of two (exact), so tiny and huge elements neither
// underflow nor overflow inside the decomposition.

#include <newmat.h>

using NEWMAT::ColumnVector;
using NEWMAT::Matrix;

// A = Q·R with Q rows × cols with orthonormal columns and R cols × cols
// upper triangular with a non-negative diagonal (Householder reflections;
// the diagonal is zero up to rounding where a column depends on those
// before it).
// rows < cols →
// nrerror("Rows must be >= columns"); a non-finite element →
// nrerror("Matrix has non-finite elements").
void QrFactors(const Matrix& A, Matrix& Q, Matrix& R);

// A = U·diag(sigma)·Vᵀ with the singular values sigma descending, U rows ×
// cols with orthonormal columns and V cols × cols orthogonal.
// rows < cols → nrerror("Rows must be >= columns"); a non-finite element →
// nrerror("Matrix has non-finite elements"); no convergence →
// nrerror("Singular values did not converge").
void SvdFactors(const Matrix& A, Matrix& U, ColumnVector& sigma, Matrix& V);
