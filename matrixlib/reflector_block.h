#pragma once
// Several Householder reflectors applied at once as one block,
// G = P_b ⋯ P_1 = I − V·Tᵀ·Vᵀ with T upper triangular, so that the work
// runs as matrix products (OpenBLAS) instead of one pass over the matrix
// per reflector. The result equals applying them one by one up to rounding.

namespace ztmath::detail {

// Q ← P_count ⋯ P_1 · Q for the leading order × order block of the
// row-major store q (`stride` doubles a row), where P_j = I − tau_j·v_j·v_jᵀ
// and v_j is row j − 1 of vt (count rows of `order` doubles). A tau of 0
// leaves its reflector out.
void ApplyReflectorBlock(double* q, int stride, int order, const double* vt, int count,
                         const double* tau);

} // namespace ztmath::detail
