#pragma once
// Powers and power-series functions of a square matrix.

#include <newmat.h>

using NEWMAT::Matrix;

// M^n: n > 0 by repeated squaring, n = 0 the identity, n < 0 the inverse
// raised to |n| (singular → nrerror("Singular Matrix")); not square →
// nrerror("Non-Square Matrix").
Matrix Power(const Matrix& M, int n);
// The same for a square dual matrix (n × 2n).
Matrix CPower(const Matrix& M, int n);
// M becomes exp(M): scaled by 2^-s until its norm is at most 1/2, Taylor
// series summed until a term's norm is below tol·(sum's norm)/2^s, then
// squared s times. count = number of terms summed, above 100 when the series
// gave up. Not square → nrerror("Non-Square Matrix").
void expMatrix(Matrix& M, double tol, int& count);
// M becomes sin(M), as expMatrix with the double-angle formulas.
void sinMatrix(Matrix& M, double tol, int& count);
// M becomes cos(M), as expMatrix with the double-angle formulas.
void cosMatrix(Matrix& M, double tol, int& count);
