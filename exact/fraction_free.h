#pragma once
// Fraction-free elimination on integer matrices: every intermediate
// element is a minor of the input, so numbers grow only as determinants
// do and every division is exact (Bareiss). Rational matrices come here
// with each row scaled to integers, which changes neither the reduced form
// nor, once the scales are divided out, the determinant.

#include "exact/rational_matrix.h"

#include <gmpxx.h>

#include <vector>

// Integers row by row; rows counted from 0 here.
struct IntegerRows {
    int rows = 0;
    int columns = 0;
    std::vector<mpz_class> elements;

    mpz_class& At(int i, int j) { return elements[static_cast<std::size_t>(i) * columns + j]; }
};

// Each row of m times the least common multiple of its denominators; the
// product of those multipliers goes to `scale` when asked for.
IntegerRows ScaledToIntegers(const RationalMatrix& m, mpz_class* scale = nullptr);

// The reduced row echelon form of the scaled rows: fraction-free
// Gauss-Jordan leaves every pivot equal to the last one, so the rows
// divided by it are the reduced form. `pivotColumns` receives the pivot
// column of each pivot row (counted from 0).
RationalMatrix ReducedRowEchelon(IntegerRows m, std::vector<int>* pivotColumns = nullptr);

// The determinant of a square integer matrix by fraction-free forward
// elimination (0 for a singular one).
mpz_class IntegerDeterminant(IntegerRows m);
