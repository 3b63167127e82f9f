#pragma once
// Procedures that take two matrices: picking the row remembers the current
// matrix as the first operand, and "=" finishes them with the current matrix
// as the second.

#include <newmat.h>

#include <span>

#include "calculator/calculator_commands.h"

// The second half of a pending procedure: a the first operand, b the
// current matrix. Failed after its box when the operands do not fit; Skipped
// for an operation that is not a procedure's.
EqualsOutcome FinishPendingProcedure(Calculator& calculator, PendingOperation operation,
                                     const NEWMAT::Matrix& a, const NEWMAT::Matrix& b,
                                     NEWMAT::Matrix& result);

// The command-list operations of this file, under the names their rows
// show (for the tables of commands/).
std::span<const NamedCommand> PendingProceduresCommands();
