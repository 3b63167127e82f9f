#pragma once
// Elementary row operations as the steps of an elimination show them,
// rows and columns counted from 1.

#include <gmpxx.h>

#include <string>

enum class RowOperationKind {
    Swap,     // R<target> <-> R<source>
    Scale,    // R<target> <- factor*R<target>
    Subtract, // R<target> <- R<target> - factor*R<source>
    // Floating point only: column `column` of rows target..source, all
    // within the elimination's tolerance, set to 0.
    ClearResidue,
};

// The factor is exact (mpq_class) in exact eliminations and a double in
// floating-point ones, where Scale's factor is the pivot the row was
// divided by (1/factor is the multiplier).
template <class Factor> struct RowOperation {
    RowOperationKind kind = RowOperationKind::Swap;
    int target = 0;
    int source = 0;
    int column = 0;
    Factor factor{};
};

using ExactRowOperation = RowOperation<mpq_class>;
using FloatRowOperation = RowOperation<double>;

// ASCII text: "R1 <-> R3", "R2 <- 1/4*R2", "R2 <- R2 - 3/2*R1",
// "R3 <- R3 + R1" (a factor of 1 is not written), "C2 <- 0 in R3..R5".
std::string OperationText(const ExactRowOperation& operation);
// The same, each factor written as the Fraction format writes a double
// (the reciprocal of a pivot as the fraction of its reading, else as a
// decimal).
std::string OperationText(const FloatRowOperation& operation);
