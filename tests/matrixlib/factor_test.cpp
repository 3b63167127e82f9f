#include "tests/matrixlib/matrix_checks.h"

#include <algorithm>
#include <limits>

namespace {

struct TridiagonalEigen {
    ColumnVector d, e;
    Matrix Q;     // after the reduction
    Matrix Z;     // eigenvectors
    ColumnVector values;
};

TridiagonalEigen ReduceAndIterate(const Matrix& A) {
    TridiagonalEigen r;
    r.Q = A;
    TridiagonalReduction(r.Q, r.d, r.e);
    r.Z = r.Q;
    r.values = r.d;
    ColumnVector e = r.e;
    TridiagonalQL(r.values, e, r.Z);
    return r;
}

Matrix RandomSymmetric(int n, int seed, double scale) {
    const Matrix A = Sample(n, n, seed);
    return (A + A.t()) * scale;
}

} // namespace

TEST(TridiagonalQL, EigenpairsOfSymmetricMatricesAtEveryScale) {
    for (double scale : {1e-300, 1e-3, 1.0, 1e300})
        for (int n : {1, 2, 3, 8, 100, 300}) {
            const Matrix A = RandomSymmetric(n, 70 + n, scale);
            const TridiagonalEigen r = ReduceAndIterate(A);
            const double norm = std::sqrt(RandomSymmetric(n, 70 + n, 1.0).SumSquare());
            EXPECT_MATRIX_NEAR(r.Z.t() * r.Z, Eye(n), 1e-13 * n) << n << " " << scale;
            EXPECT_LT(MaxDiff(A * r.Z, r.Z * Diag(r.values)) / scale, 1e-10 * norm)
                << n << " " << scale;
        }
}

TEST(TridiagonalQL, KnownSpectraAndTheIterationBound) {
    // Hilbert matrices: the eigenvalues agree with Jacobi's, which are
    // accurate in the absolute sense ([2 1; 1 2] is pinned by the spectral
    // transcript).
    for (int n : {4, 8, 12}) {
        const Matrix H = Hilbert(n, n);
        ColumnVector values = ReduceAndIterate(H).values;
        std::vector<double> ours(values.Store(), values.Store() + n);
        std::sort(ours.begin(), ours.end());
        const ColumnVector reference = Jacobi(H).d;
        for (int k = 1; k <= n; ++k)
            EXPECT_NEAR(ours[k - 1], reference(k), 1e-15 * n) << n;
    }
    // A diagonal matrix is its own tridiagonal form.
    const Matrix D = Mat({{5, 0, 0}, {0, -1, 0}, {0, 0, 2}});
    EXPECT_MATRIX_NEAR(ReduceAndIterate(D).Q, Eye(3), 0.0);
    // NaN never converges: the iteration stops at its bound instead of looping.
    ColumnVector d(3), e(3);
    d << 1 << NAN << 2;
    e << 0 << 1 << 1;
    Matrix Z = Eye(3);
    EXPECT_MATH_ERROR(TridiagonalQL(d, e, Z), "Too many iterations in tqli");
    Matrix wide = Mat({{1, 2}});
    EXPECT_MATH_ERROR(TridiagonalReduction(wide, d, e), "Non-Square Matrix");
}

TEST(OrthogonalFactors, QrAndSvdReproduceTheMatrixAtEveryScale) {
    for (double scale : {1e-300, 1.0, 1e300})
        for (auto [rows, cols] : {std::pair{1, 1}, {3, 2}, {6, 6}, {40, 25}}) {
            const Matrix A = Sample(rows, cols, rows * cols) * scale;
            Matrix Q, R, U, V;
            QrFactors(A, Q, R);
            ASSERT_EQ(Q.Nrows(), rows);
            ASSERT_EQ(R.Nrows(), cols);
            EXPECT_MATRIX_NEAR(Q.t() * Q, Eye(cols), 1e-13);
            EXPECT_LT(MaxDiff(Q * R, A) / scale, 1e-13 * rows);
            for (int i = 1; i <= cols; ++i) {
                EXPECT_GE(R(i, i), 0.0);
                for (int j = 1; j < i; ++j)
                    EXPECT_EQ(R(i, j), 0.0);
            }
            ColumnVector sigma;
            SvdFactors(A, U, sigma, V);
            ASSERT_EQ(U.Ncols(), cols);
            EXPECT_MATRIX_NEAR(U.t() * U, Eye(cols), 1e-13);
            EXPECT_MATRIX_NEAR(V.t() * V, Eye(cols), 1e-13);
            EXPECT_LT(MaxDiff(U * Diag(sigma) * V.t(), A) / scale, 1e-13 * rows);
            for (int k = 2; k <= cols; ++k)
                EXPECT_GE(sigma(k - 1), sigma(k));
            EXPECT_GE(sigma(cols), 0.0);
        }
    // Hilbert 12: the singular values span 16 orders; the largest is known.
    Matrix U, V;
    ColumnVector sigma;
    SvdFactors(Hilbert(12, 12), U, sigma, V);
    EXPECT_NEAR(sigma(1), 1.7953720595619977, 1e-14);
    EXPECT_LT(MaxDiff(U * Diag(sigma) * V.t(), Hilbert(12, 12)), 1e-14);
    Matrix Q, R;
    // Dependent columns: R has a zero on its diagonal instead of a refusal.
    const Matrix dependent = Mat({{1, 2}, {2, 4}, {3, 6}});
    QrFactors(dependent, Q, R);
    EXPECT_MATRIX_NEAR(Q * R, dependent, 1e-14);
    EXPECT_MATRIX_NEAR(Q.t() * Q, Eye(2), 1e-15);
    EXPECT_NEAR(R(2, 2), 0.0, 1e-14);
    EXPECT_MATH_ERROR(QrFactors(Mat({{1, 2}}), Q, R), "Rows must be >= columns");
    EXPECT_MATH_ERROR(SvdFactors(Mat({{1, 2}}), U, sigma, V), "Rows must be >= columns");
    EXPECT_MATH_ERROR(SvdFactors(Mat({{1}, {INFINITY}}), U, sigma, V),
                      "Matrix has non-finite elements");
}

TEST(Series, ReferenceValuesAndIdentitiesUpToNormFive) {
    // Reference values from an eigendecomposition in double precision
    // (eigenvector condition 3.3).
    const Matrix A = Mat({{1, 2, 0}, {-1, 0.5, 1}, {0.3, -2, -1}});
    const Matrix expA = Mat({{1.0763724805372343, 2.405410474528823, 0.914052886856988},
                             {-1.0655973042358653, -0.4390330249519578, 0.2886523504074256},
                             {1.0692025584934894, -0.30308883475775555, 0.04204133629389121}});
    const Matrix sinA = Mat({{1.663227018816423, 2.820358348909636, -0.21771808169309317},
                             {-1.4428368867087835, 1.175855513282111, 1.627897256147914},
                             {0.25432223902429707, -3.321109936803753, -1.4837084526328537}});
    const Matrix cosA = Mat({{1.5566806773938269, -2.0144845504888433, -1.2491395951736304},
                             {0.8198713359683791, 3.3094414101896668, 0.2418973199292071},
                             {-1.2702558688328909, -0.8585365184105018, 1.6974558351222266}});
    EXPECT_MATRIX_NEAR(Series(&expMatrix, A, 1e-7), expA, 1e-9 * 2.5);
    EXPECT_MATRIX_NEAR(Series(&sinMatrix, A, 1e-7), sinA, 1e-9 * 3.4);
    EXPECT_MATRIX_NEAR(Series(&cosMatrix, A, 1e-7), cosA, 1e-9 * 3.4);
    // At the calculator's tolerance, exp(A)·exp(−A) = I and sin² + cos² = I.
    for (int n : {1, 3, 12})
        for (double norm : {0.1, 1.0, 5.0}) {
            Matrix A = Sample(n, n, 30 + n);
            A = A * (norm / std::sqrt(A.SumSquare()));
            const Matrix E = Series(&expMatrix, A, 1e-7);
            const Matrix Einv = Series(&expMatrix, A * -1.0, 1e-7);
            EXPECT_MATRIX_NEAR(E * Einv, Eye(n), 1e-9) << n << " " << norm;
            const Matrix S = Series(&sinMatrix, A, 1e-7), C = Series(&cosMatrix, A, 1e-7);
            EXPECT_MATRIX_NEAR(S * S + C * C, Eye(n), 1e-9) << n << " " << norm;
        }
}
