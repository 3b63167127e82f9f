#pragma once
// In-place rearrangements and element-wise changes.

#include <newmat.h>

using NEWMAT::Matrix;

// Columns reversed.
void Flip(Matrix& M);
// Rows reversed.
void Flop(Matrix& M);
// Each element replaced by its square root (NaN for a negative one).
void SquareRoot(Matrix& M);
// All elements ascending in row order, shape kept; NaN last.
void QuickSort(Matrix& M);
// Each row sorted ascending on its own; NaN last.
void SortRow(Matrix& M);
// Rows a and b exchanged; a row outside 1..rows → nrerror.
void Srow(Matrix& M, int a, int b);
// Reshaped row by row into rows × (count / rows); unchanged when rows < 1 or
// rows does not divide the count.
void Shape(Matrix& M, int rows);
// Each element cut toward zero to digits decimal places (0, or less, keeps
// the integer part); a value that is a whole number of such places up to
// rounding keeps that value (0.29 stays 0.29).
void Truncate(Matrix& M, int digits);
// Rows stably sorted ascending by order (one entry per row, storage order);
// a different entry count → nrerror.
void SetRowOrder(Matrix& M, const Matrix& order);
