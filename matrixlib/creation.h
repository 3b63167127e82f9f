#pragma once
// Building new matrices. A result whose element count exceeds newmat's int
// range → nrerror("Matrix too large").

#include <newmat.h>

using NEWMAT::Matrix;

// Kronecker product: block (i, j) is a_ij·B.
Matrix Kron(const Matrix& A, const Matrix& B);
// [A 0; 0 B].
Matrix BlockDiagonal(const Matrix& A, const Matrix& B);
// Cross product of two 3-element vectors, shaped like A; other lengths →
// nrerror.
Matrix VectorCrossProd(const Matrix& A, const Matrix& B);
// 1 × n row of the first n primes (empty for n < 1).
Matrix Prime(int n);
// r × c uniform values in [lo, hi) from the library's portable generator.
// A negative *seed re-seeds the generator with |*seed| (the same negative
// seed gives the same matrix on every machine) and is stored back positive;
// otherwise (also for a null seed) the generator continues. Empty for r < 1
// or c < 1.
Matrix Random(int* seed, int r, int c, double lo, double hi);
// Dual n × 2n Hermitian (n = r = c): real parts in [lo, hi), symmetric;
// imaginary parts in [lo, hi) off the diagonal, antisymmetric, 0 on it.
Matrix RandomHermitian(int r, int c, double lo, double hi);
// Dual n × 2n unitary (n = r = c): the Q factor of a random complex matrix
// with parts in [lo, hi).
Matrix RandomUnitary(int r, int c, double lo, double hi);
