#pragma once
// Complex matrices held as real dual matrices: m × n complex is the real
// m × 2n [Re | Im]. The composite of a dual matrix is the real 2m × 2n
// [Re −Im; Im Re]. A dual matrix with an odd number of columns →
// nrerror("Not a complex matrix").

#include <newmat.h>

using NEWMAT::Matrix;

// Inverse of a square dual matrix; singular → nrerror("Singular Matrix").
Matrix CInv(const Matrix& M);
// Conjugate transpose.
Matrix CHTranspose(const Matrix& M);
// Product A·B; inner sizes must agree, else nrerror.
Matrix CMatMul(const Matrix& A, const Matrix& B);
// Conjugate: imaginary half negated.
Matrix Conjugate(const Matrix& M);
// 1 × 2 dual product of the complex diagonal elements.
Matrix CDiagProd(const Matrix& M);
// 1 × 2 dual complex trace.
Matrix CTr(const Matrix& M);
// Left (real) half.
Matrix GetDualReal(const Matrix& M);
// Right (imaginary) half.
Matrix GetDualImag(const Matrix& M);
// re | im; different shapes → nrerror.
Matrix MakeDualMatrix(const Matrix& re, const Matrix& im);
// 2m × 2n real [Re −Im; Im Re].
Matrix CplxToComposite(const Matrix& M);
// Dual matrix of a composite: Re the top-left block, Im the bottom-left
// block; odd rows or columns → nrerror.
Matrix DeCompositeToCplx(const Matrix& K);
