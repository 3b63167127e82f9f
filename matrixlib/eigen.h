#pragma once
// Eigenvalues and eigenvectors.

#include <newmat.h>

using NEWMAT::ColumnVector;
using NEWMAT::Matrix;

// Balances square M in place by powers of two (a similarity transform:
// eigenvalues unchanged).
void balanc(Matrix& M);
// Reduces square M in place to upper Hessenberg form by stabilised
// elementary similarity transforms; below the subdiagonal is exactly 0.
void elmhes(Matrix& M);
// All eigenvalues of upper Hessenberg H (destroyed) by the implicit
// double-shift QR iteration: real parts in wr, imaginary parts in wi, complex
// pairs as conjugates in adjacent entries (positive imaginary part first).
// Defective matrices converge to the accuracy they allow (a nilpotent
// matrix of order n gives eigenvalues of about eps^(1/n)·‖H‖). More than
// 30·max(10, n) iterations in all → nrerror("Too many iterations in hqr");
// a non-finite element → nrerror("Matrix has non-finite elements").
void hqr(Matrix& H, ColumnVector& wr, ColumnVector& wi);
// Eigenvalues d (ascending) and orthonormal eigenvectors (columns of V) of
// the real symmetric A (upper triangle used, A overwritten) by cyclic Jacobi
// rotations; nrot the rotation count; 50 sweeps without convergence →
// nrerror. For a composite [X −Y; Y X] input, V is itself composite, so its
// left half holds n eigenvectors of the complex matrix X + iY.
void jacobi(Matrix& A, ColumnVector& d, Matrix& V, int& nrot);
