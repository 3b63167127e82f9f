#pragma once
// Characteristic polynomial and companion matrix.

#include <newmat.h>

using NEWMAT::Matrix;

// 1 × (n+1) coefficients of det(λI − M), highest power first, leading 1,
// built from the eigenvalues; not square → nrerror("Non-Square Matrix").
Matrix Characteristic(const Matrix& M);
// n × n companion of the polynomial whose n + 1 coefficients, highest first,
// are v's elements in storage order: first row −c₁/c₀ ... −cₙ/c₀, ones on
// the subdiagonal. Fewer than 2 coefficients or c₀ = 0 → nrerror.
Matrix Companion2(const Matrix& v);
