#pragma once
// Eigenpairs of a real symmetric matrix through its tridiagonal form: a
// Householder reduction, then the QL iteration with implicit shifts.

#include <newmat.h>

using NEWMAT::ColumnVector;
using NEWMAT::Matrix;

// Reduces the symmetric A (lower triangle used) by Householder reflections:
// on return A holds the orthogonal Q with Qᵀ·A·Q tridiagonal, d its
// diagonal and e its subdiagonal, e(i) coupling i − 1 and i (e(1) = 0).
// Not square → nrerror("Non-Square Matrix").
void TridiagonalReduction(Matrix& A, ColumnVector& d, ColumnVector& e);

// The eigenvalues of the symmetric tridiagonal matrix (d, e) as returned by
// TridiagonalReduction, by QL steps with implicit shifts: d becomes the
// eigenvalues (unsorted), e is destroyed, and the columns of Z are rotated
// along, so Z = Q on entry gives the eigenvector of d(k) in column k.
// An eigenvalue not found within 30 steps → nrerror("Too many iterations in
// tqli").
void TridiagonalQL(ColumnVector& d, ColumnVector& e, Matrix& Z);
