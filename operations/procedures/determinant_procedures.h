#pragma once
// Determinant, trace and adjugate of the current matrix, in real mode and
// (for Hermitian matrices) in complex mode.

#include <newmat.h>

#include <span>

#include "calculator/calculator_commands.h"
#include "matrixlib/scaled_product.h"

class Calculator;

// det(M) · M⁻¹ of a real square M into adjugate; false, with adjugate
// untouched, when M is not square or singular by the library's LU rule.
bool RealAdjugate(const NEWMAT::Matrix& m, NEWMAT::Matrix& adjugate);
// The determinant of the Hermitian dual matrix M: the product of its
// eigenvalues, which is real.
ScaledProduct HermitianDeterminant(const NEWMAT::Matrix& m);
// det(M) · M⁻¹ of the Hermitian dual matrix M; false when M is singular by
// the library's LU rule (applied to its composite).
bool HermitianAdjugate(const NEWMAT::Matrix& m, NEWMAT::Matrix& adjugate);

// The command-list operations of this file, under the names their rows
// show (for the tables of commands/).
std::span<const NamedCommand> DeterminantProceduresCommands();
