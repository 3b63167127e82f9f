#include "operations/procedures/factorisations.h"

#include <newmatap.h>

#include "calculator/calculator.h"
#include "matrixlib/ztmath.h"
#include "operations/procedures/library_step.h"
#include "operations/procedures/procedure_frame.h"

namespace {

const char* const kLuCaption = "LU Decomposition Error";
const char* const kCholeskyCaption = "Cholesky Decomposition Error";
const char* const kQrCaption = "QR Decomposition Error";
const char* const kSvdCaption = "SVD Error";
const char* const kJacobiCaption = "Jacobi Decomposition Error";
const char* const kNotSymmetric = "Matrix must be symmetric";
const char* const kNotPositiveDefinite = "Matrix must be positive definite";

using NEWMAT::Matrix;

enum class LuFactor { Lower, Upper };

void RunLu(Calculator& calculator, LuFactor factor) {
    RunProcedure(calculator, ComplexSupport::Supported, [&calculator, factor](Matrix& m) {
        // The library refuses a non-square or singular matrix before any
        // factor is formed.
        NEWMAT::RowVector index;
        int parity = 0;
        if (!RunLibraryStep(calculator, kLuCaption, [&] { LuDcmp(m, index, parity); }))
            return false;
        m = factor == LuFactor::Lower ? GetLowerLu(m) : GetUpperLu(m);
        return true;
    });
}

enum class QrFactor { Q, R };

void RunQr(Calculator& calculator, QrFactor factor) {
    RunProcedure(calculator, ComplexSupport::Supported, [&calculator, factor](Matrix& m) {
        Matrix Q, R;
        if (!RunLibraryStep(calculator, kQrCaption, [&] { QrFactors(m, Q, R); })) return false;
        m = factor == QrFactor::Q ? Q : R;
        return true;
    });
}

enum class SvdFactor { D, U, V };

Matrix DiagonalOf(const NEWMAT::ColumnVector& values) {
    const int n = values.Nrows();
    Matrix D(n, n);
    D = 0.0;
    for (int i = 1; i <= n; ++i)
        D(i, i) = values(i);
    return D;
}

void RunSvd(Calculator& calculator, SvdFactor factor) {
    RunProcedure(calculator, ComplexSupport::Supported, [&calculator, factor](Matrix& m) {
        Matrix U, V;
        NEWMAT::ColumnVector sigma;
        if (!RunLibraryStep(calculator, kSvdCaption, [&] { SvdFactors(m, U, sigma, V); }))
            return false;
        m = factor == SvdFactor::D ? DiagonalOf(sigma) : factor == SvdFactor::U ? U : V;
        return true;
    });
}

} // namespace

// L (unit diagonal) and U of the LU decomposition with partial pivoting,
// so L·U is the matrix with its rows permuted. A singular matrix (a pivot
// at or below n·eps·max|a_ij|) is refused, nothing stored.
void OnFactorLuLower(Calculator& calculator) {
    RunLu(calculator, LuFactor::Lower);
}

void OnFactorLuUpper(Calculator& calculator) {
    RunLu(calculator, LuFactor::Upper);
}

// L with M = L·Lᵀ for a symmetric positive definite matrix.
void OnFactorCholesky(Calculator& calculator) {
    RunProcedure(calculator, ComplexSupport::Supported, [&calculator](Matrix& m) {
        if (!Symmetric(m)) return calculator.Refuse(kNotSymmetric, kCholeskyCaption);
        if (!PositiveDefinite(m)) return calculator.Refuse(kNotPositiveDefinite, kCholeskyCaption);
        NEWMAT::SymmetricMatrix s(m.Nrows());
        s << m; // keeps the lower triangle
        m = NEWMAT::Cholesky(s);
        return true;
    });
}

// Q (rows × cols, orthonormal columns) and R (cols × cols, upper
// triangular) with M = Q·R; fewer rows than columns are refused.
void OnFactorQrQ(Calculator& calculator) {
    RunQr(calculator, QrFactor::Q);
}

void OnFactorQrR(Calculator& calculator) {
    RunQr(calculator, QrFactor::R);
}

// The factors of M = U·D·Vᵀ, singular values descending on D's diagonal;
// fewer rows than columns are refused.
void OnFactorSvdD(Calculator& calculator) {
    RunSvd(calculator, SvdFactor::D);
}

void OnFactorSvdU(Calculator& calculator) {
    RunSvd(calculator, SvdFactor::U);
}

void OnFactorSvdV(Calculator& calculator) {
    RunSvd(calculator, SvdFactor::V);
}

// U of the singular value decomposition of a symmetric matrix (its
// eigenvectors when it is positive definite).
void OnFactorJacobi(Calculator& calculator) {
    RunProcedure(calculator, ComplexSupport::Supported, [&calculator](Matrix& m) {
        if (!Symmetric(m)) return calculator.Refuse(kNotSymmetric, kJacobiCaption);
        Matrix U, V;
        NEWMAT::ColumnVector sigma;
        SvdFactors(m, U, sigma, V);
        m = U;
        return true;
    });
}

std::span<const NamedCommand> FactorisationsCommands() {
    static constexpr NamedCommand kCommands[] = {
        {"Factor:LU->Lower", OnFactorLuLower}, {"Factor:LU->Upper", OnFactorLuUpper},
        {"Factor:Cholesky", OnFactorCholesky}, {"Factor:QR->Q", OnFactorQrQ},
        {"Factor:QR->R", OnFactorQrR},         {"Factor:SVD->D", OnFactorSvdD},
        {"Factor:SVD->U", OnFactorSvdU},       {"Factor:SVD->V", OnFactorSvdV},
        {"Factor:Jacobi", OnFactorJacobi},
    };
    return kCommands;
}
