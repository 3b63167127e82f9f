#include "tests/matrixlib/matrix_checks.h"

#include <newmatap.h>

#include <algorithm>
#include <limits>

namespace {

// Smallest singular value of A − λI (complex): zero exactly when λ is an
// eigenvalue, computed on the composite so real routines apply.
double DistanceToSingular(const Matrix& A, Cplx lambda) {
    const Matrix I = Eye(A.Nrows());
    NEWMAT::DiagonalMatrix D;
    NEWMAT::SVD(CplxToComposite(MakeDualMatrix(A - I * lambda.real(), I * -lambda.imag())), D);
    return D.Minimum();
}

} // namespace

// The small known spectra, polynomials, companion layouts and the refusal of a
// wide matrix are pinned by the spectral and creation transcripts; here the
// edges.
TEST(Eigenvalues, KnownSpectraAndPolynomials) {
    EXPECT_MATRIX_NEAR(Companion2(Mat({{2}, {4}})), Mat({{-2}}), 0.0);
    EXPECT_THROW(Companion2(Mat({{1}})), ztmath::MathError);
    EXPECT_THROW(Companion2(Mat({{0, 1, 2}})), ztmath::MathError);
    EXPECT_EQ(Eigenvalues(Mat({{-4.5}}))[0], Cplx(-4.5, 0));
}

TEST(Eigenvalues, RandomMatricesGiveSingularShifts) {
    for (int n : {3, 8, 25}) {
        const Matrix A = Sample(n, n, 100 + n);
        const auto values = Eigenvalues(A);
        ASSERT_EQ(static_cast<int>(values.size()), n);
        Cplx sum = 0.0;
        for (auto z : values) {
            EXPECT_LT(DistanceToSingular(A, z), 1e-12 * n) << "n " << n << " λ " << z;
            sum += z;
        }
        EXPECT_NEAR(std::abs(sum - Tr(A)), 0.0, 1e-12 * n);
    }
}

TEST(Eigenvalues, BalancingAndHessenbergAreSimilarityTransforms) {
    const Matrix A = Mat({{1, 1e6, 0}, {1e-6, 2, 1e4}, {3, 1e-4, 3}});
    Matrix B = A;
    balanc(B);
    EXPECT_LT(B.MaximumAbsoluteValue(), A.MaximumAbsoluteValue());
    // Scaling is by powers of two: the diagonal is unchanged exactly.
    for (int i = 1; i <= 3; ++i)
        EXPECT_EQ(B(i, i), A(i, i));
    const Matrix H0 = Sample(6, 6, 9);
    Matrix H = H0;
    elmhes(H);
    for (int i = 3; i <= 6; ++i)
        for (int j = 1; j <= i - 2; ++j)
            EXPECT_EQ(H(i, j), 0.0);
    EXPECT_NEAR(Tr(H), Tr(H0), 1e-13);
    EXPECT_NEAR(H.Determinant(), H0.Determinant(), 1e-13);
}

TEST(Eigenvalues, HqrConvergesOnNearlyEqualPairsAndRefusesNaN) {
    // Two rotations coupled by ε: eigenvalues ±1 ± iε/2, two close pairs.
    for (double e : {1e-6, 1e-9, 1e-12}) {
        const Matrix A = Mat({{0, 1, 0, 0}, {1, 0, e, 0}, {0, -e, 0, 1}, {0, 0, 1, 0}});
        const auto values = Eigenvalues(A);
        ASSERT_EQ(values.size(), 4u);
        for (auto z : values) {
            EXPECT_NEAR(std::fabs(z.real()), 1.0, 1e-12) << e;
            EXPECT_NEAR(std::fabs(z.imag()), e / 2, 1e-12) << e;
        }
    }
    Matrix H = Mat({{1, 2, 3}, {4, NAN, 6}, {0, 8, 9}});
    ColumnVector wr, wi;
    EXPECT_MATH_ERROR(hqr(H, wr, wi), "Matrix has non-finite elements");
}

namespace {

// S·J·S⁻¹ with S an integer matrix of determinant 1 (unit lower times unit
// upper), so the result is an exact integer matrix similar to J.
Matrix DisguisedJordan(int n, int blockSize, double lambda, int seed) {
    Matrix L = Eye(n), U = Eye(n);
    const Matrix r = Sample(n, n, seed) * 2.5;
    for (int i = 1; i <= n; ++i)
        for (int j = 1; j < i; ++j) {
            L(i, j) = std::trunc(r(i, j));
            U(j, i) = std::trunc(r(j, i));
        }
    const Matrix S = L * U;
    // The inverse of a unit triangular integer matrix is integer: round off
    // the rounding.
    Matrix inverse = U.i() * L.i();
    for (int i = 1; i <= n; ++i)
        for (int j = 1; j <= n; ++j)
            inverse(i, j) = std::round(inverse(i, j));
    Matrix J = Eye(n) * lambda;
    for (int i = 1; i < n; ++i)
        if (i % blockSize != 0) J(i, i + 1) = 1.0;
    EXPECT_MATRIX_NEAR(S * inverse, Eye(n), 0.0) << "seed " << seed;
    return S * J * inverse;
}

} // namespace

TEST(Eigenvalues, DefectiveAndNilpotentMatricesConverge) {
    // A 4 × 4 integer matrix with A⁴ = 0 (a disguised 4 × 4 Jordan block).
    const Matrix N = Mat({{-47, 20, -5, 2}, {-68, 29, -7, 3}, {106, -45, 12, -4}, {-137, 58, -15, 6}});
    EXPECT_MATRIX_NEAR(N * N * N * N, Eye(4) * 0.0, 0.0);
    const double eps = std::numeric_limits<double>::epsilon();
    const double bound4 = std::sqrt(N.SumSquare()) * std::pow(eps, 0.25);
    for (Cplx z : Eigenvalues(N))
        EXPECT_LT(std::abs(z), bound4) << z;
    const Matrix c = Characteristic(N);
    for (int k = 2; k <= 5; ++k)
        EXPECT_LT(std::fabs(c(1, k)), std::pow(bound4, k - 1) * 4) << k;
    // Rank 2: the eigenvalues ±28.98275349... (numpy) and four zeros.
    const Matrix R = Mat({{28, 20, -4, -7, -14, 9},
                          {11, 12, 15, 19, -20, -12},
                          {-19, -12, 9, 13, 4, -12},
                          {-1, -4, -13, -17, 12, 12},
                          {15, 16, 19, 24, -26, -15},
                          {3, 4, 7, 9, -8, -6}});
    std::vector<Cplx> values = Eigenvalues(R);
    std::sort(values.begin(), values.end(), [](Cplx a, Cplx b) { return a.real() < b.real(); });
    EXPECT_NEAR(values[0].real(), -28.982753492378876, 1e-11);
    EXPECT_NEAR(values[5].real(), 28.982753492378876, 1e-11);
    for (int k = 1; k <= 4; ++k)
        EXPECT_LT(std::abs(values[k]), 1e-12 * std::sqrt(R.SumSquare()));
    // Many disguised Jordan structures: blocks of every size up to the order,
    // on 0 and on small integers. Before the shift strategy changed, about one
    // in twenty of these gave up.
    for (int seed = 1; seed <= 150; ++seed) {
        const int n = 2 + seed % 11;
        const int block = 1 + seed % n;
        const double lambda = seed % 3 == 0 ? seed % 7 : 0.0;
        const Matrix A = DisguisedJordan(n, block, lambda, seed);
        const double bound = std::sqrt(A.SumSquare()) * std::pow(eps, 1.0 / block);
        for (Cplx z : Eigenvalues(A))
            EXPECT_LE(std::abs(z - lambda), bound) << "seed " << seed << " λ " << z;
    }
}

TEST(Characteristic, AccurateAtOrderTwenty) {
    // Q·diag(1..20)·Q with Q an orthogonal reflector has the characteristic
    // polynomial ∏(λ − k), whose coefficients reach 1.4e19.
    const int n = 20;
    ColumnVector k(n), v(n);
    for (int i = 1; i <= n; ++i) {
        k(i) = i;
        v(i) = 1.0 + 0.37 * i;
    }
    const Matrix Q = Eye(n) - v * v.t() * (2.0 / v.SumSquare());
    std::vector<__int128> exact(n + 1, 0);
    exact[0] = 1;
    for (int root = 1; root <= n; ++root)
        for (int i = root; i >= 1; --i)
            exact[i] -= exact[i - 1] * root;
    const Matrix c = Characteristic(Q * Diag(k) * Q);
    ASSERT_EQ(c.Ncols(), n + 1);
    for (int i = 0; i <= n; ++i) {
        const double want = static_cast<double>(exact[i]);
        EXPECT_NEAR(c(1, i + 1), want, 1e-9 * std::fabs(want)) << "power " << n - i;
    }
}

TEST(Jacobi, EigenpairsOfSymmetricMatrices) {
    // Extreme magnitudes neither stop the sweeps early nor run them forever.
    for (double scale : {1e-300, 1.0, 1e300})
        for (int n : {1, 2, 7, 30}) {
            const Matrix S = (Sample(n, n, 50 + n) + Sample(n, n, 50 + n).t()) * scale;
            const SymmetricEigen e = Jacobi(S);
            ASSERT_EQ(e.d.Nrows(), n);
            EXPECT_MATRIX_NEAR(e.V.t() * e.V, Eye(n), 1e-13) << scale;                // orthonormal
            EXPECT_LT(MaxDiff(S * e.V, e.V * Diag(e.d)) / scale, 1e-12 * n) << scale; // AV = VΛ
            for (int k = 2; k <= n; ++k)
                EXPECT_LE(e.d(k - 1), e.d(k));
        }
    EXPECT_THROW(Jacobi(Mat({{1, 2, 3}})), ztmath::MathError);
    EXPECT_THROW(Jacobi(Mat({{1, NAN}, {NAN, 1}})), ztmath::MathError);
}

TEST(Jacobi, CompositeGivesUnitaryEigenvectorsOfTheHermitianMatrix) {
    // A random Hermitian matrix, 2·I (a repeated eigenvalue) and [2, 1−i; 1+i, 3].
    for (const Matrix& M : {RandomHermitian(4, 4, -1.0, 1.0), Mat({{2, 0, 0, 0}, {0, 2, 0, 0}}),
                            Mat({{2, 1, 0, -1}, {1, 3, 1, 0}})}) {
        const int n = M.Nrows();
        const SymmetricEigen e = Jacobi(CplxToComposite(M));
        const Matrix U = DeCompositeToCplx(e.V);
        EXPECT_EQ(OnTestUnitary(U, 1e-10), 1);
        const Matrix D = CMatMul(CMatMul(CHTranspose(U), M), U);
        EXPECT_MATRIX_NEAR(D, MakeDualMatrix(Diag(e.d.Rows(1, n)), Eye(n) * 0.0), 1e-12);
    }
}
