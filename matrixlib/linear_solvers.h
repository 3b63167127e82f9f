#pragma once
// Elimination, LU factorisation and linear systems.

#include <newmat.h>

using NEWMAT::Matrix;
using NEWMAT::RowVector;

// What Gauss elimination reports as it changes the matrix, each time with
// the matrix after the change. Rows and columns are counted from 1.
class EliminationObserver {
  public:
    virtual ~EliminationObserver() = default;
    virtual void RowsSwapped(int a, int b, const Matrix& after) = 0;
    // Row `row` divided by `pivot` (its pivot element becomes exactly 1).
    virtual void RowDivided(int row, double pivot, const Matrix& after) = 0;
    // `factor` times row `source` subtracted from row `target` (the
    // element in the pivot column becomes exactly 0).
    virtual void RowSubtracted(int target, double factor, int source, const Matrix& after) = 0;
    // Column `column` from row `first` down, all within the tolerance and
    // not all zero, set to 0.
    virtual void ResidueCleared(int column, int first, const Matrix& after) = 0;
};

// Reduced row echelon form by Gauss-Jordan elimination with partial
// pivoting and one tolerance, max(rows, cols)·eps·‖M‖∞ of the input: a
// column whose remaining elements are all within it is set to zero there
// and has no pivot. M holds the result, which is also returned; a
// non-finite element → nrerror("Matrix has non-finite elements"). An
// observer is told every change that is not a no-op; it does not change
// the result.
Matrix DoGauss(Matrix& M, EliminationObserver* observer = nullptr);
// Singular below means the one singularity rule of the library's LU with
// partial pivoting (lu_factors.h): a non-finite element, an exactly zero
// pivot, or a 1-norm reciprocal condition number estimated from the
// factors below n·eps. Not square → nrerror("Non-Square Matrix").

// In place, the compact LU of a row permutation of square M by partial
// pivoting (L unit lower below the diagonal, U upper); index(i) the row
// swapped into row i; parity ±1. Singular → nrerror("Singular Matrix").
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
// A⁻¹ from one LU; singular → nrerror("Singular Matrix").
Matrix Inverse(const Matrix& A);
// det A from one LU: 0 when A is singular by a pivot; a non-finite element
// leaves it undefined → nrerror("Matrix has non-finite elements").
double Determinant(const Matrix& A);
// det(A)·A⁻¹ from one LU, right even where det(A) alone is out of the
// double range; singular → nrerror("Singular Matrix").
Matrix Adjugate(const Matrix& A);
