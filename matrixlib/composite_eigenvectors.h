#pragma once
// Eigenvectors of a composite [X −Y; Y X] (the real form of the Hermitian
// X + iY) come in pairs [x; y], [−y; x] for each eigenvalue, and any
// orthonormal basis of a doubled eigenspace is valid. This picks one basis
// with composite structure, so that the left half of V read back as a dual
// matrix is a unitary matrix of eigenvectors of X + iY.

#include <newmat.h>

namespace ztmath::detail {

// d ascending and V orthonormal eigenvectors of a 2n × 2n composite on
// entry; on return d(k) = d(n + k) is the k-th eigenvalue of the complex
// matrix (ascending) and V = [U_re −U_im; U_im U_re].
void ArrangeCompositeEigenvectors(NEWMAT::ColumnVector& d, NEWMAT::Matrix& V);

} // namespace ztmath::detail
