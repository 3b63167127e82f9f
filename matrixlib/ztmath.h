#pragma once
// ztmath: the matrix routines over newmat shared by the calculator and the
// evaluator. Matrices are indexed from 1; a complex matrix is a dual matrix
// (see dual_matrix.h). Failures throw ztmath::MathError through nrerror;
// newmat's own exceptions (RBD_COMMON::BaseException) may pass through.

#include "matrixlib/complex_scalar.h"
#include "matrixlib/creation.h"
#include "matrixlib/dual_matrix.h"
#include "matrixlib/eigen.h"
#include "matrixlib/linear_solvers.h"
#include "matrixlib/matrix_functions.h"
#include "matrixlib/matrix_product.h"
#include "matrixlib/measures.h"
#include "matrixlib/orthogonal_factors.h"
#include "matrixlib/polynomial.h"
#include "matrixlib/predicates.h"
#include "matrixlib/rearrange.h"
#include "matrixlib/scaled_product.h"
#include "matrixlib/special_matrices.h"
#include "matrixlib/symmetric_tridiagonal.h"
#include "matrixlib/zt_error.h"
