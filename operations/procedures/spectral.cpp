#include "operations/procedures/spectral.h"

#include <cstdio>

#include "calculator/calculator.h"
#include "matrixlib/ztmath.h"
#include "operations/procedures/library_step.h"
#include "operations/procedures/procedure_frame.h"
#include "platform/wait_cursor.h"

namespace {

using NEWMAT::ColumnVector;
using NEWMAT::Matrix;

const char* const kEigenvalueCaption = "Eigenvalue Error";
const char* const kEigenvectorCaption = "Eigenvector Error";
const char* const kDiagonalizeCaption = "Diagonalization Error";
const char* const kNotSymmetricProcedure = "Not implemented for non-symmetric matrices";
constexpr double kHermitianTol = 1e-8;

// A series that has summed this many terms or more gave up.
constexpr int kSeriesLimit = 100;

// Eigenvalues in d and orthonormal eigenvectors in the columns of m (which
// held the symmetric matrix), by tridiagonal reduction and QL.
bool SymmetricEigen(Calculator& calculator, const char* caption, Matrix& m, ColumnVector& d) {
    return RunLibraryStep(calculator, caption, [&] {
        ColumnVector e;
        TridiagonalReduction(m, d, e);
        TridiagonalQL(d, e, m);
    });
}

bool DiagonalizeReal(Calculator& calculator, Matrix& m) {
    if (!Symmetric(m)) return calculator.Refuse("Not a symmetric matrix", kDiagonalizeCaption);
    const Matrix A = m;
    ColumnVector d;
    if (!SymmetricEigen(calculator, kDiagonalizeCaption, m, d)) return false;
    // The columns are unit vectors up to rounding; normalising them keeps
    // Pᵀ·A·P diagonal to working accuracy.
    for (int j = 1; j <= m.Ncols(); ++j) {
        const ColumnVector column = m.Column(j);
        m.Column(j) = column / RNorm(column);
    }
    m = m.t() * A * m;
    return true;
}

bool DiagonalizeComplex(Calculator& calculator, Matrix& m) {
    if (!OnTestHermitian(m, kHermitianTol))
        return calculator.Refuse("Not a Hermitian matrix", kDiagonalizeCaption);
    Matrix K = CplxToComposite(m);
    ColumnVector d;
    Matrix V;
    int rotations = 0;
    if (!RunLibraryStep(calculator, kDiagonalizeCaption, [&] { jacobi(K, d, V, rotations); }))
        return false;
    calculator.SaveToTemporaryRegister(d);
    const Matrix U = DeCompositeToCplx(V);
    m = CMatMul(CMatMul(CHTranspose(U), m), U);
    return true;
}

void RunSeries(Calculator& calculator, void (*series)(Matrix&, double, int&), const char* caption) {
    RunProcedure(calculator, ComplexSupport::Refused, [&calculator, series, caption](Matrix& m) {
        int count = 0;
        series(m, calculator.SeriesTolerance(), count);
        calculator.Host().MessageBox(SeriesMessage(count), caption, MB_OK | MB_ICONINFORMATION);
        return true;
    });
}

} // namespace

std::string SeriesMessage(int count) {
    // A count of exactly kSeriesLimit means the series stopped at its limit,
    // so it is reported as not converged.
    const char* format = count < kSeriesLimit ? "Series converged after %d iterations"
                                              : "Series failed to converge after %d iterations";
    char text[80];
    std::snprintf(text, sizeof text, format, count - 1);
    return text;
}

// The n × 2 matrix [real parts | imaginary parts] of the eigenvalues (by
// balancing, Hessenberg reduction and the shifted QR iteration).
void OnEigenvalues(Calculator& calculator) {
    RunProcedure(calculator, ComplexSupport::Supported, [&calculator](Matrix& m) {
        if (!Square(m))
            return calculator.Refuse("Not implemented for non-square matrices", kEigenvalueCaption);
        ColumnVector wr, wi;
        if (!RunLibraryStep(calculator, kEigenvalueCaption, [&] {
                balanc(m);
                elmhes(m);
                hqr(m, wr, wi);
            }))
            return false;
        m = wr | wi;
        return true;
    });
}

// Eigenvectors of a symmetric matrix, one per column, by Jacobi rotations;
// the eigenvalues go to t.
void OnEigenvectors1(Calculator& calculator) {
    RunProcedure(calculator, ComplexSupport::Supported, [&calculator](Matrix& m) {
        if (!Symmetric(m)) return calculator.Refuse(kNotSymmetricProcedure, kEigenvectorCaption);
        ColumnVector d;
        Matrix V;
        int rotations = 0;
        if (!RunLibraryStep(calculator, kEigenvectorCaption, [&] { jacobi(m, d, V, rotations); }))
            return false;
        calculator.SaveToTemporaryRegister(d);
        m = V;
        return true;
    });
}

// The same by Householder tridiagonal reduction and the implicit QL
// iteration.
void OnEigenvectors2(Calculator& calculator) {
    RunProcedure(calculator, ComplexSupport::Supported, [&calculator](Matrix& m) {
        if (!Symmetric(m)) return calculator.Refuse(kNotSymmetricProcedure, kEigenvectorCaption);
        ColumnVector d;
        if (!SymmetricEigen(calculator, kEigenvectorCaption, m, d)) return false;
        calculator.SaveToTemporaryRegister(d);
        return true;
    });
}

// Real mode: Pᵀ·A·P for the orthonormal eigenvectors P of the symmetric A.
// Complex mode: Uᴴ·M·U for the unitary eigenvectors U of the Hermitian M,
// with the eigenvalues of its composite form in t.
void OnDiagonalize(Calculator& calculator) {
    RunProcedure(calculator, ComplexSupport::Supported, [&calculator](Matrix& m) {
        return calculator.IsComplexMode() ? DiagonalizeComplex(calculator, m)
                                          : DiagonalizeReal(calculator, m);
    });
}

void OnHessenbergForm(Calculator& calculator) {
    RunProcedure(calculator, ComplexSupport::Supported, [&calculator](Matrix& m) {
        if (!Square(m)) return calculator.Refuse("Non-square Matrix", "Hessenberg Form Error");
        elmhes(m);
        return true;
    });
}

// Qᵀ·A·Q, tridiagonal, for the Householder reduction Q of the symmetric A.
void OnTriDiagonalForm(Calculator& calculator) {
    RunProcedure(calculator, ComplexSupport::Supported, [&calculator](Matrix& m) {
        if (!Symmetric(m))
            return calculator.Refuse(kNotSymmetricProcedure, "TriDiagonal Form Error");
        const Matrix A = m;
        ColumnVector d, e;
        TridiagonalReduction(m, d, e);
        m = m.t() * A * m;
        return true;
    });
}

// One row: the coefficients of det(λI − M), highest power first.
void OnCharacteristic(Calculator& calculator) {
    RunProcedure(calculator, ComplexSupport::Refused, [&calculator](Matrix& m) {
        // A non-square matrix is refused by the library ("Non-Square Matrix")
        // before any work, and the command frame shows it as an error.
        WaitCursor wait(calculator.Host());
        m = Characteristic(m);
        return true;
    });
}

void OnMatrixExp(Calculator& calculator) {
    RunSeries(calculator, &expMatrix, "Analytic exp(M) series");
}

void OnMatrixSin(Calculator& calculator) {
    RunSeries(calculator, &sinMatrix, "Analytic sin(M) series");
}

void OnMatrixCos(Calculator& calculator) {
    RunSeries(calculator, &cosMatrix, "Analytic cos(M) series");
}

std::span<const NamedCommand> SpectralCommands() {
    static constexpr NamedCommand kCommands[] = {
        {"Characteristic", OnCharacteristic}, {"Eigenvalues", OnEigenvalues},
        {"Diagonalize", OnDiagonalize},       {"Eigenvectors1", OnEigenvectors1},
        {"Eigenvectors2", OnEigenvectors2},   {"Hessenberg Form", OnHessenbergForm},
        {"Matrix: cos(M)", OnMatrixCos},      {"Matrix: exp(M)", OnMatrixExp},
        {"Matrix: sin(M)", OnMatrixSin},      {"TriDiagonal Form", OnTriDiagonalForm},
    };
    return kCommands;
}
