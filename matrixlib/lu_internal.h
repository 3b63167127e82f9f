#pragma once
// The pivot rule shared by the eliminations.

#include <newmat.h>

namespace ztmath::detail {

// Pivots at or below this magnitude count as zero: order·eps·max|a|.
double PivotTolerance(const NEWMAT::Matrix& A);

} // namespace ztmath::detail
