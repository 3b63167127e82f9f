// Times the heavy matrix routines on random matrices and prints one line
// per routine: size, seconds, and a residual showing the result is sound.

#include "matrixlib/ztmath.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <functional>

using NEWMAT::ColumnVector;
using NEWMAT::Matrix;
using NEWMAT::RowVector;

namespace {

double Seconds(const std::function<void()>& f) {
    const auto start = std::chrono::steady_clock::now();
    f();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

Matrix Identity(int n) {
    Matrix id(n, n);
    id = 0.0;
    for (int i = 1; i <= n; ++i)
        id(i, i) = 1.0;
    return id;
}

void Report(const char* what, int n, double seconds, const char* check, double value) {
    std::printf("%-36s %4d x %-4d %8.3f s   %s %.3g\n", what, n, n, seconds, check, value);
}

} // namespace

int main() {
    int seed = -20261206;
    const Matrix A = Random(&seed, 300, 300, -1.0, 1.0);

    Matrix inv;
    double t = Seconds([&] {
        inv = Identity(300);
        GetLuSolVec(A, inv);
    });
    Report("inverse (LU, GetLuSolVec)", 300, t,
           "max|A·A⁻¹ − I| =", (A * inv - Identity(300)).MaximumAbsoluteValue());

    t = Seconds([&] {
        inv = Identity(300);
        GetGaussJSolVec(A, inv);
    });
    Report("inverse (Gauss-Jordan)", 300, t,
           "max|A·A⁻¹ − I| =", (A * inv - Identity(300)).MaximumAbsoluteValue());

    // The calculator's Inv and determinant use newmat directly.
    t = Seconds([&] { inv = A.i(); });
    Report("inverse (newmat i())", 300, t,
           "max|A·A⁻¹ − I| =", (A * inv - Identity(300)).MaximumAbsoluteValue());
    double newmatLogDet = 0.0;
    t = Seconds([&] { newmatLogDet = A.LogDeterminant().LogValue(); });
    Report("determinant (newmat LogDeterminant)", 300, t, "log|det| =", newmatLogDet);

    double logDet = 0.0;
    t = Seconds([&] {
        Matrix C = A;
        RowVector index;
        int parity = 0;
        LuDcmp(C, index, parity);
        for (int i = 1; i <= 300; ++i)
            logDet += std::log(std::fabs(C(i, i)));
    });
    Report("determinant (LuDcmp)", 300, t,
           "|log|det| − newmat| =", std::fabs(logDet - newmatLogDet));

    int rank = 0;
    t = Seconds([&] { rank = Rank(A); });
    Report("Rank", 300, t, "rank =", rank);

    double cond = 0.0;
    t = Seconds([&] { cond = Condition(A); });
    Report("Condition", 300, t, "condition =", cond);

    Matrix B = Random(&seed, 200, 200, -1.0, 1.0);
    ColumnVector wr, wi;
    const Matrix B0 = B;
    t = Seconds([&] {
        balanc(B);
        elmhes(B);
        hqr(B, wr, wi);
    });
    double traceError = std::fabs(wr.Sum() - B0.Trace());
    Report("eigenvalues (balanc, elmhes, hqr)", 200, t, "|Σλ − trace| =", traceError);

    Matrix S = Random(&seed, 100, 100, -1.0, 1.0);
    S = S + S.t();
    const Matrix S0 = S;
    ColumnVector d;
    Matrix V;
    int rotations = 0;
    t = Seconds([&] { jacobi(S, d, V, rotations); });
    Matrix D(100, 100);
    D = 0.0;
    for (int i = 1; i <= 100; ++i)
        D(i, i) = d(i);
    Report("jacobi (symmetric)", 100, t,
           "max|A·V − V·D| =", (S0 * V - V * D).MaximumAbsoluteValue());

    Matrix E = Random(&seed, 100, 100, -1.0, 1.0) * 5.0;
    int count = 0;
    t = Seconds([&] { expMatrix(E, 1e-7, count); });
    Report("expMatrix", 100, t, "terms =", count);

    Matrix P = Random(&seed, 100, 100, -1.0, 1.0);
    Matrix coeffs;
    t = Seconds([&] { coeffs = Characteristic(P); });
    Report("Characteristic", 100, t, "|c₁ + trace| =", std::fabs(coeffs(1, 2) + P.Trace()));
    return 0;
}
