// Times the factorisation and spectral routines behind the FACTOR MATRIX
// group and the spectral procedures, each on the matrix size its speed
// target names, and prints a residual beside each time. An optional argument
// scales the order of the eigenvalue, tridiagonal and SVD runs (default 500).

#include "matrixlib/ztmath.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>

using NEWMAT::ColumnVector;
using NEWMAT::Matrix;

namespace {

// Best of three runs, each on a fresh copy made by setup.
double BestSeconds(const std::function<void()>& setup, const std::function<void()>& run) {
    double best = 1e30;
    for (int k = 0; k < 3; ++k) {
        setup();
        const auto start = std::chrono::steady_clock::now();
        run();
        const double s =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        if (s < best) best = s;
    }
    return best;
}

void Report(const char* what, int n, double seconds, const char* check, double value) {
    std::printf("%-40s %4d x %-4d %8.3f s   %s %.3g\n", what, n, n, seconds, check, value);
}

Matrix Diagonal(const ColumnVector& d) {
    Matrix D(d.Nrows(), d.Nrows());
    D = 0.0;
    for (int i = 1; i <= d.Nrows(); ++i)
        D(i, i) = d(i);
    return D;
}

double Frobenius(const Matrix& m) {
    return std::sqrt(m.SumSquare());
}

} // namespace

int main(int argc, char** argv) {
    const int n = argc > 1 ? std::atoi(argv[1]) : 500;
    int seed = -20261207;
    const Matrix A = Random(&seed, n, n, -1.0, 1.0);
    Matrix S = Random(&seed, n, n, -1.0, 1.0);
    S = S + S.t();

    Matrix H;
    ColumnVector wr, wi, d, e;
    double t = BestSeconds([&] { H = A; }, [&] {
        balanc(H);
        elmhes(H);
        hqr(H, wr, wi);
    });
    Report("eigenvalues (balanc, elmhes, hqr)", n, t, "|sum - trace| =",
           std::fabs(wr.Sum() - A.Trace()));

    Matrix Z;
    t = BestSeconds([&] { Z = S; }, [&] {
        TridiagonalReduction(Z, d, e);
        TridiagonalQL(d, e, Z);
    });
    Report("eigenvectors (tridiagonal + QL)", n, t, "|AZ - ZD|/|A| =",
           Frobenius(S * Z - Z * Diagonal(d)) / Frobenius(S));

    Matrix U, V;
    ColumnVector sigma;
    t = BestSeconds([] {}, [&] { SvdFactors(A, U, sigma, V); });
    Report("SVD factors", n, t, "|U S V' - A|/|A| =",
           Frobenius(U * Diagonal(sigma) * V.t() - A) / Frobenius(A));

    Matrix Q, R;
    t = BestSeconds([] {}, [&] { QrFactors(A, Q, R); });
    Report("QR factors", n, t, "|QR - A|/|A| =", Frobenius(Q * R - A) / Frobenius(A));

    const int m = 300;
    const Matrix E0 = Random(&seed, m, m, -1.0, 1.0) * (1.0 / std::sqrt(double(m)));
    Matrix E;
    int count = 0;
    t = BestSeconds([&] { E = E0; }, [&] { expMatrix(E, 1e-7, count); });
    Matrix Einv = E0 * -1.0;
    expMatrix(Einv, 1e-7, count);
    Report("expMatrix, entries in [-1,1]/sqrt(300)", m, t, "max|exp(A)exp(-A) - I| =",
           (E * Einv - NEWMAT::IdentityMatrix(m)).MaximumAbsoluteValue());

    const int j = 200;
    Matrix J = Random(&seed, j, j, -1.0, 1.0);
    J = J + J.t();
    Matrix JV;
    int rotations = 0;
    Matrix Jw;
    t = BestSeconds([&] { Jw = J; }, [&] { jacobi(Jw, d, JV, rotations); });
    Report("jacobi (Eigenvectors1)", j, t, "|AV - VD|/|A| =",
           Frobenius(J * JV - JV * Diagonal(d)) / Frobenius(J));
    return 0;
}
