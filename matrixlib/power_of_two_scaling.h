#pragma once
// Scaling by a power of two: exact, so routines whose intermediate sums and
// squares would overflow or underflow can run on a matrix of moderate size
// and scale their results back. Not part of the public interface.

#include <newmat.h>

namespace ztmath::detail {

// Multiplies m element by element by the power of two 2^−e that brings its
// largest magnitude into [1/2, 1), and returns e; 0 (nothing changed) for a
// zero matrix or one with a non-finite element. Element by element, since
// 2^−e itself need not be a double.
int ScaleToUnit(NEWMAT::Matrix& m);

} // namespace ztmath::detail
