#pragma once
// The dense matrix product.

#include <newmat.h>

using NEWMAT::Matrix;

// A·B by the optimised BLAS, straight on newmat's row-major storage;
// columns of A other than rows of B → nrerror("Matrix sizes do not agree").
Matrix MatMul(const Matrix& A, const Matrix& B);
