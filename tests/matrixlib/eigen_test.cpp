#include "tests/matrixlib/matrix_checks.h"

#include <newmatap.h>

#include <algorithm>
#include <complex>

namespace {

using Cplx = std::complex<double>;

std::vector<Cplx> Eigenvalues(Matrix M) {
    ColumnVector wr, wi;
    balanc(M);
    elmhes(M);
    hqr(M, wr, wi);
    std::vector<Cplx> out;
    for (int k = 1; k <= wr.Nrows(); ++k)
        out.emplace_back(wr(k), wi(k));
    return out;
}

// Smallest singular value of A − λI (complex): zero exactly when λ is an
// eigenvalue, computed on the composite so real routines apply.
double DistanceToSingular(const Matrix& A, Cplx lambda) {
    const int n = A.Nrows();
    Matrix dual(n, 2 * n);
    dual = 0.0;
    for (int i = 1; i <= n; ++i)
        for (int j = 1; j <= n; ++j)
            dual(i, j) = A(i, j);
    for (int i = 1; i <= n; ++i) {
        dual(i, i) -= lambda.real();
        dual(i, n + i) -= lambda.imag();
    }
    NEWMAT::DiagonalMatrix D;
    NEWMAT::SVD(CplxToComposite(dual), D);
    return D.Minimum();
}

// Orthogonal reflector I − 2vvᵀ/vᵀv for a fixed v.
Matrix Reflector(int n) {
    Matrix v(n, 1);
    for (int i = 1; i <= n; ++i)
        v(i, 1) = 1.0 + 0.37 * i;
    Matrix vt = v.t();
    return Eye(n) - v * vt * (2.0 / (vt * v).AsScalar());
}

} // namespace

TEST(Eigenvalues, KnownSpectra) {
    auto rot = Eigenvalues(Mat({{0, -1}, {1, 0}}));
    ASSERT_EQ(rot.size(), 2u);
    EXPECT_NEAR(rot[0].real(), 0.0, 1e-15);
    EXPECT_NEAR(std::fabs(rot[0].imag()), 1.0, 1e-15);
    EXPECT_EQ(rot[1], std::conj(rot[0]));
    EXPECT_EQ(Eigenvalues(Mat({{-4.5}}))[0], Cplx(-4.5, 0));
}

TEST(Eigenvalues, CompanionRoots) {
    const Matrix C = Companion2(Mat({{1, -10, 31, -30}}));
    EXPECT_MATRIX_NEAR(C, Mat({{10, -31, 30}, {1, 0, 0}, {0, 1, 0}}), 0.0);
    auto roots = Eigenvalues(C);
    std::vector<double> re;
    for (auto z : roots) {
        EXPECT_NEAR(z.imag(), 0.0, 1e-12);
        re.push_back(z.real());
    }
    std::sort(re.begin(), re.end());
    EXPECT_NEAR(re[0], 2.0, 1e-12);
    EXPECT_NEAR(re[1], 3.0, 1e-12);
    EXPECT_NEAR(re[2], 5.0, 1e-12);
    EXPECT_MATRIX_NEAR(Companion2(Mat({{2}, {4}})), Mat({{-2}}), 0.0);
    EXPECT_THROW(Companion2(Mat({{1}})), ztmath::MathError);
    EXPECT_THROW(Companion2(Mat({{0, 1, 2}})), ztmath::MathError);
}

TEST(Eigenvalues, RandomMatricesGiveSingularShifts) {
    for (int n : {3, 8, 25}) {
        const Matrix A = Sample(n, n, 100 + n);
        auto values = Eigenvalues(A);
        ASSERT_EQ(static_cast<int>(values.size()), n);
        Cplx sum = 0.0;
        for (auto z : values) {
            EXPECT_LT(DistanceToSingular(A, z), 1e-12 * n) << "n " << n << " λ " << z;
            sum += z;
        }
        EXPECT_NEAR(sum.real(), Tr(A), 1e-12 * n);
        EXPECT_NEAR(sum.imag(), 0.0, 1e-12 * n);
    }
}

TEST(Eigenvalues, BalancingAndHessenbergAreSimilarityTransforms) {
    Matrix A = Mat({{1, 1e6, 0}, {1e-6, 2, 1e4}, {3, 1e-4, 3}});
    const double trace = Tr(A);
    const double det = A.Determinant();
    Matrix B = A;
    balanc(B);
    EXPECT_NEAR(Tr(B), trace, 1e-12);
    EXPECT_NEAR(B.Determinant(), det, 1e-9 * std::fabs(det));
    EXPECT_LT(B.MaximumAbsoluteValue(), A.MaximumAbsoluteValue());
    // Scaling is by powers of two: the diagonal is unchanged exactly.
    for (int i = 1; i <= 3; ++i)
        EXPECT_EQ(B(i, i), A(i, i));

    Matrix H = Sample(6, 6, 9);
    const Matrix H0 = H;
    elmhes(H);
    for (int i = 3; i <= 6; ++i)
        for (int j = 1; j <= i - 2; ++j)
            EXPECT_EQ(H(i, j), 0.0);
    EXPECT_NEAR(Tr(H), Tr(H0), 1e-13);
    EXPECT_NEAR(H.Determinant(), H0.Determinant(), 1e-13);
}

TEST(Eigenvalues, ClustersOfNearlyEqualComplexPairsConverge) {
    // Two rotations coupled by ε: eigenvalues ±1 ± iε/2, two close pairs.
    for (double e : {1e-6, 1e-9, 1e-12}) {
        const Matrix A = Mat({{0, 1, 0, 0}, {1, 0, e, 0}, {0, -e, 0, 1}, {0, 0, 1, 0}});
        for (auto z : Eigenvalues(A)) {
            EXPECT_NEAR(std::fabs(z.real()), 1.0, 1e-12) << e;
            EXPECT_NEAR(std::fabs(z.imag()), e / 2, 1e-12) << e;
        }
    }
}

TEST(Eigenvalues, HqrGivesUpWithItsMessage) {
    Matrix H = Mat({{1, 2, 3}, {4, NAN, 6}, {0, 8, 9}});
    ColumnVector wr, wi;
    try {
        hqr(H, wr, wi);
        FAIL() << "NaN matrix converged";
    } catch (const ztmath::MathError& e) {
        EXPECT_STREQ(e.what(), "Too many iterations in hqr");
    }
}

TEST(Characteristic, CoefficientsHighestPowerFirst) {
    EXPECT_MATRIX_NEAR(Characteristic(Mat({{1, 2}, {3, 4}})), Mat({{1, -5, -2}}), 1e-14);
    EXPECT_MATRIX_NEAR(Characteristic(Mat({{0, -1}, {1, 0}})), Mat({{1, 0, 1}}), 1e-15);
    EXPECT_THROW(Characteristic(Mat({{1, 2}})), ztmath::MathError);
    // Companion and characteristic polynomial undo each other.
    const Matrix poly = Mat({{1, -10, 31, -30}});
    EXPECT_MATRIX_NEAR(Characteristic(Companion2(poly)), poly, 1e-12);
}

TEST(Characteristic, AccurateAtOrderTwenty) {
    // Q·diag(1..20)·Q with Q an orthogonal reflector has the characteristic
    // polynomial ∏(λ − k), whose coefficients reach 1.4e19.
    const int n = 20;
    Matrix D(n, n);
    D = 0.0;
    for (int k = 1; k <= n; ++k)
        D(k, k) = k;
    const Matrix Q = Reflector(n);
    const Matrix A = Q * D * Q;
    std::vector<__int128> exact{1};
    for (int k = 1; k <= n; ++k) {
        std::vector<__int128> next(exact.size() + 1, 0);
        for (size_t i = 0; i < exact.size(); ++i) {
            next[i] += exact[i];
            next[i + 1] -= exact[i] * k;
        }
        exact = next;
    }
    const Matrix c = Characteristic(A);
    ASSERT_EQ(c.Ncols(), n + 1);
    for (int i = 0; i <= n; ++i) {
        const double want = static_cast<double>(exact[i]);
        EXPECT_NEAR(c(1, i + 1), want, 1e-9 * std::fabs(want)) << "power " << n - i;
    }
}

TEST(Jacobi, EigenpairsOfSymmetricMatrices) {
    for (int n : {1, 2, 7, 30}) {
        Matrix S = Sample(n, n, 50 + n);
        S = S + S.t();
        Matrix A = S;
        ColumnVector d;
        Matrix V;
        int rotations = -1;
        jacobi(A, d, V, rotations);
        ASSERT_EQ(d.Nrows(), n);
        EXPECT_MATRIX_NEAR(V.t() * V, Eye(n), 1e-13);
        for (int k = 1; k <= n; ++k) {
            const Matrix v = V.Column(k);
            EXPECT_LT(RNorm(S * v - v * d(k)), 1e-12 * n);
            if (k > 1) {
                EXPECT_LE(d(k - 1), d(k));
            }
        }
        EXPECT_EQ(rotations > 0, n > 1);
    }
    // Extreme magnitudes neither stop the sweeps early nor run them forever.
    for (double scale : {1e-300, 1.0, 1e300}) {
        Matrix A = Mat({{2, 1}, {1, 2}}) * scale;
        ColumnVector d;
        Matrix V;
        int rotations = 0;
        jacobi(A, d, V, rotations);
        EXPECT_NEAR(d(1) / scale, 1.0, 1e-15);
        EXPECT_NEAR(d(2) / scale, 3.0, 1e-15);
        EXPECT_NEAR(std::fabs(V(1, 1)), 1 / std::sqrt(2.0), 1e-15);
    }
}

TEST(Jacobi, CompositeGivesUnitaryEigenvectorsOfTheHermitianMatrix) {
    // A random Hermitian matrix, 2·I (a repeated eigenvalue) and a fixed one.
    Matrix H = RandomHermitian(4, 4, -1.0, 1.0);
    for (const Matrix& M :
         {H, Mat({{2, 0, 0, 0}, {0, 2, 0, 0}}), Mat({{2, 1, 0, -1}, {1, 3, 1, 0}})}) {
        const int n = M.Nrows();
        Matrix K = CplxToComposite(M);
        ColumnVector d;
        Matrix V;
        int rotations = 0;
        jacobi(K, d, V, rotations);
        const Matrix U = DeCompositeToCplx(V);
        EXPECT_EQ(OnTestUnitary(U, 1e-10), 1);
        const Matrix D = CMatMul(CMatMul(CHTranspose(U), M), U);
        for (int i = 1; i <= n; ++i)
            for (int j = 1; j <= n; ++j) {
                EXPECT_NEAR(D(i, j), i == j ? d(i) : 0.0, 1e-12);
                EXPECT_NEAR(D(i, n + j), 0.0, 1e-12);
            }
        // The product of the diagonal is det M (real for a Hermitian M), and the
        // composite's determinant is |det M|²: 16 for [2, 1−i; 1+i, 3].
        const Matrix det = CDiagProd(D);
        const double compositeDet = CplxToComposite(M).Determinant();
        EXPECT_NEAR(det(1, 1) * det(1, 1), compositeDet, 1e-12 * std::fabs(compositeDet));
        EXPECT_NEAR(det(1, 2), 0.0, 1e-12);
    }
}

TEST(Jacobi, RefusesWhatItCannotDiagonalise) {
    Matrix wide = Mat({{1, 2, 3}});
    Matrix bad = Mat({{1, NAN}, {NAN, 1}});
    ColumnVector d;
    Matrix V;
    int rotations = 0;
    EXPECT_THROW(jacobi(wide, d, V, rotations), ztmath::MathError);
    EXPECT_THROW(jacobi(bad, d, V, rotations), ztmath::MathError);
}
