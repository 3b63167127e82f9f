#pragma once
// Matrices of a special kind built from their sizes, an angle or a base
// vector. Sizes whose element count does not fit newmat's int arithmetic →
// nrerror("Matrix too large").

#include <newmat.h>

using NEWMAT::Matrix;

// rows × columns with h_ij = 1/(i + j − 1); empty for a size below 1.
Matrix Hilbert(int rows, int columns);
// n × n circulant of the vector's n elements (storage order): row 1 is the
// vector, each further row the one above shifted right by one place, the
// last element wrapping to the front.
Matrix Circulant(const Matrix& v);
// n × n with v_ij = u_i^(j−1) for the vector's n elements (storage order):
// column 1 all ones, column 2 the elements.
Matrix Vandermonde(const Matrix& u);
// [cos t, sin t; sin t, −cos t]: the reflection in the line at angle t/2.
Matrix PlaneReflection(double t);
// [cos t, sin t; −sin t, cos t].
Matrix PlaneRotation(double t);
// n × n orthogonal: the right singular vectors of a Random(seed, n, n,
// −100, 100) matrix (seed as Random takes it). Empty for n < 1.
Matrix RandomOrthogonal(int* seed, int n);
