#include "matrixlib/predicates.h"

#include "matrixlib/lu_factors.h"
#include "matrixlib/matrix_product.h"
#include "matrixlib/matrix_view.h"

#include <algorithm>
#include <cmath>
#include <limits>

using namespace ztmath::detail;

int Exist(const Matrix& M) {
    return M.Nrows() > 0 && M.Ncols() > 0 ? 1 : 0;
}

int Square(const Matrix& M) {
    return Exist(M) && M.Nrows() == M.Ncols() ? 1 : 0;
}

namespace {

// |m_ij − sign·m_ji| ≤ tol·max|m| for all pairs.
int MirrorTest(const Matrix& M, double sign) {
    if (!Square(M)) return 0;
    const double limit = kTestTolerance * MaxAbs(M);
    ConstView m(M);
    const int n = M.Nrows();
    for (int i = 1; i <= n; ++i)
        for (int j = i; j <= n; ++j)
            if (!(std::fabs(m(i, j) - sign * m(j, i)) <= limit)) return 0;
    return 1;
}

} // namespace

int Symmetric(const Matrix& M) {
    return MirrorTest(M, 1.0);
}

int SkewSymmetric(const Matrix& M) {
    return MirrorTest(M, -1.0);
}

int Singular(const Matrix& M) {
    if (!Exist(M)) return 0;
    if (M.Nrows() != M.Ncols()) return 1;
    return LuFactors(M).Singular() ? 1 : 0;
}

int PositiveDefinite(const Matrix& M) {
    if (!Symmetric(M)) return 0;
    const int n = M.Nrows();
    // Cholesky on the lower triangle: L·Lᵀ = M, each pivot must exceed
    // n·eps·max|m_ii|. A singular semidefinite matrix leaves rounding residue
    // of either sign as its last pivots, so a pivot merely above zero proves
    // nothing. Scaled by a power of four so that the squares cannot
    // overflow: the square roots of the pivots then scale exactly and every
    // pivot keeps its sign and its rounding.
    int exponent = 0;
    std::frexp(MaxAbs(M), &exponent);
    Matrix L = M * std::ldexp(1.0, -2 * (exponent / 2));
    View l(L);
    double largestDiagonal = 0.0;
    for (int j = 1; j <= n; ++j)
        largestDiagonal = std::max(largestDiagonal, std::fabs(l(j, j)));
    const double threshold = n * std::numeric_limits<double>::epsilon() * largestDiagonal;
    for (int j = 1; j <= n; ++j) {
        double pivot = l(j, j);
        for (int k = 1; k < j; ++k)
            pivot -= l(j, k) * l(j, k);
        if (!(pivot > threshold) || !std::isfinite(pivot)) return 0;
        const double root = std::sqrt(pivot);
        l(j, j) = root;
        for (int i = j + 1; i <= n; ++i) {
            double s = l(i, j);
            for (int k = 1; k < j; ++k)
                s -= l(i, k) * l(j, k);
            l(i, j) = s / root;
        }
    }
    // An exactly singular matrix whose other eigenvalues are themselves far
    // apart can leave its last pivot above that bound; the singularity rule
    // still finds it, and a singular matrix is never definite.
    return LuFactors(M).Singular() ? 0 : 1;
}

int Orthogonal(const Matrix& M) {
    if (!Square(M)) return 0;
    const int n = M.Nrows();
    ConstView m(M);
    for (int i = 1; i <= n; ++i)
        for (int j = i; j <= n; ++j) {
            double s = 0.0;
            for (int k = 1; k <= n; ++k)
                s += m(k, i) * m(k, j);
            if (!(std::fabs(s - (i == j ? 1.0 : 0.0)) <= 1e-10)) return 0;
        }
    return 1;
}

int Stochastic(const Matrix& M) {
    if (!Square(M)) return 0;
    const int n = M.Nrows();
    ConstView m(M);
    for (int i = 1; i <= n; ++i) {
        double sum = 0.0;
        for (int j = 1; j <= n; ++j) {
            if (!(m(i, j) >= 0.0)) return 0;
            sum += m(i, j);
        }
        if (!(std::fabs(sum - 1.0) <= 1e-10)) return 0;
    }
    return 1;
}

int IsVector(const Matrix& M) {
    return Exist(M) && (M.Nrows() == 1 || M.Ncols() == 1) ? 1 : 0;
}

int IsComposite(const Matrix& M) {
    if (!Exist(M) || M.Nrows() % 2 != 0 || M.Ncols() % 2 != 0) return 0;
    const int m = M.Nrows() / 2;
    const int n = M.Ncols() / 2;
    const double limit = kTestTolerance * MaxAbs(M);
    ConstView k(M);
    for (int i = 1; i <= m; ++i)
        for (int j = 1; j <= n; ++j) {
            if (!(std::fabs(k(i, j) - k(m + i, n + j)) <= limit)) return 0;
            if (!(std::fabs(k(i, n + j) + k(m + i, j)) <= limit)) return 0;
        }
    return 1;
}

int DimCmp(const Matrix& A, const Matrix& B) {
    return IsVector(A) && IsVector(B) && Count(A) == Count(B) ? 1 : 0;
}

namespace {

bool IsSquareDual(const Matrix& M) {
    return Exist(M) && M.Ncols() == 2 * M.Nrows();
}

} // namespace

int OnTestHermitian(const Matrix& M, double tol) {
    if (!IsSquareDual(M)) return 0;
    const int n = M.Nrows();
    ConstView m(M);
    for (int i = 1; i <= n; ++i)
        for (int j = i; j <= n; ++j) {
            if (!(std::fabs(m(i, j) - m(j, i)) <= tol)) return 0;
            if (!(std::fabs(m(i, n + j) + m(j, n + i)) <= tol)) return 0;
        }
    return 1;
}

int OnTestUnitary(const Matrix& M, double tol) {
    if (!IsSquareDual(M)) return 0;
    const int n = M.Nrows();
    // UᴴU = (ReᵀRe + ImᵀIm) + i(ReᵀIm − ImᵀRe), four optimised products.
    const Matrix re = M.Columns(1, n);
    const Matrix im = M.Columns(n + 1, 2 * n);
    const Matrix reT = re.t();
    const Matrix imT = im.t();
    const Matrix realPart = MatMul(reT, re) + MatMul(imT, im);
    const Matrix imagPart = MatMul(reT, im) - MatMul(imT, re);
    ConstView g(realPart), h(imagPart);
    for (int i = 1; i <= n; ++i)
        for (int j = 1; j <= n; ++j)
            if (!(std::fabs(g(i, j) - (i == j ? 1.0 : 0.0)) <= tol) || !(std::fabs(h(i, j)) <= tol))
                return 0;
    return 1;
}
