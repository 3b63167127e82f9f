#pragma once
// Elimination, LU factorisation and linear systems.

#include <newmat.h>

using NEWMAT::Matrix;
using NEWMAT::RowVector;

// Reduced row echelon form by Gauss-Jordan elimination with partial
// pivoting; entries zero up to rounding become exactly 0. M holds the
// result, which is also returned.
Matrix DoGauss(Matrix& M);
// In place, the compact LU of a row permutation of square M by partial
// pivoting (L unit lower below the diagonal, U upper); index(i) the row
// swapped into row i; parity ±1. A zero pivot → nrerror("Singular Matrix"),
// not square → nrerror("Non-Square Matrix").
void LuDcmp(Matrix& M, RowVector& index, int& parity);
// L with unit diagonal from a compact LU (rows × min(rows, columns)).
Matrix GetLowerLu(const Matrix& C);
// U from a compact LU (min(rows, columns) × columns).
Matrix GetUpperLu(const Matrix& C);
// B becomes A⁻¹B by Gauss-Jordan elimination with partial pivoting;
// singular A → nrerror("Singular Matrix").
void GetGaussJSolVec(const Matrix& A, Matrix& B);
// B becomes A⁻¹B by LU decomposition and substitution;
// singular A → nrerror("Singular Matrix").
void GetLuSolVec(const Matrix& A, Matrix& B);
