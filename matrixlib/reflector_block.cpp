#include "matrixlib/reflector_block.h"

#include <cblas.h>

#include <vector>

namespace ztmath::detail {

namespace {

// T of P_1 ⋯ P_count = I − V·T·Vᵀ: column j is −tau_j·T·(Vᵀ·v_j) above the
// diagonal and tau_j on it (count × count, row-major).
std::vector<double> BlockFactor(int order, const double* vt, int count, const double* tau) {
    std::vector<double> t(static_cast<size_t>(count) * count, 0.0);
    std::vector<double> overlap(static_cast<size_t>(count));
    for (int j = 0; j < count; ++j) {
        t[static_cast<size_t>(j) * count + j] = tau[j];
        if (tau[j] == 0.0) continue;
        const double* vj = vt + static_cast<long>(j) * order;
        for (int m = 0; m < j; ++m)
            overlap[m] = cblas_ddot(order, vt + static_cast<long>(m) * order, 1, vj, 1);
        for (int r = 0; r < j; ++r) {
            double sum = 0.0;
            for (int m = r; m < j; ++m)
                sum += t[static_cast<size_t>(r) * count + m] * overlap[m];
            t[static_cast<size_t>(r) * count + j] = -tau[j] * sum;
        }
    }
    return t;
}

} // namespace

void ApplyReflectorBlock(double* q, int stride, int order, const double* vt, int count,
                         const double* tau) {
    if (order <= 0 || count <= 0) return;
    // Products this thin gain little from OpenBLAS's threads, and its
    // threads once woken keep polling for a while, taking the second core
    // from the QL rotations that follow.
    const int threads = openblas_get_num_threads();
    openblas_set_num_threads(1);
    const std::vector<double> t = BlockFactor(order, vt, count, tau);
    // P_count ⋯ P_1 is the transpose of P_1 ⋯ P_count: Q − V·Tᵀ·(Vᵀ·Q).
    std::vector<double> w(static_cast<size_t>(count) * order);
    cblas_dgemm(CblasRowMajor, CblasNoTrans, CblasNoTrans, count, order, order, 1.0, vt, order, q,
                stride, 0.0, w.data(), order);
    cblas_dtrmm(CblasRowMajor, CblasLeft, CblasUpper, CblasTrans, CblasNonUnit, count, order, 1.0,
                t.data(), count, w.data(), order);
    cblas_dgemm(CblasRowMajor, CblasTrans, CblasNoTrans, order, order, count, -1.0, vt, order,
                w.data(), order, 1.0, q, stride);
    openblas_set_num_threads(threads);
}

} // namespace ztmath::detail
