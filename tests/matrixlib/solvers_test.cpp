#include "tests/matrixlib/matrix_checks.h"

#include <vector>

namespace {

// Applies the row exchanges recorded by LuDcmp to a copy of A.
Matrix Permuted(const Matrix& A, const RowVector& index) {
    Matrix P = A;
    for (int i = 1; i <= A.Nrows(); ++i) {
        const int r = static_cast<int>(index(i));
        for (int j = 1; j <= A.Ncols(); ++j)
            std::swap(P(i, j), P(r, j));
    }
    return P;
}

} // namespace

TEST(LuDecomposition, FactorsReproduceThePermutedMatrix) {
    for (int n : {1, 2, 5, 40}) {
        const Matrix A = Sample(n, n, 7 + n);
        const LuFactors f = Lu(A);
        EXPECT_MATRIX_NEAR(f.L * f.U, Permuted(A, f.index), 1e-12 * n);
        for (int i = 1; i <= n; ++i) {
            EXPECT_EQ(f.L(i, i), 1.0);
            for (int j = 1; j < i; ++j) {
                EXPECT_EQ(f.L(j, i), 0.0);
                EXPECT_EQ(f.U(i, j), 0.0);
                EXPECT_LE(std::fabs(f.L(i, j)), 1.0); // partial pivoting
            }
        }
        // The determinant is the parity times the product of U's diagonal.
        double det = f.parity;
        for (int i = 1; i <= n; ++i)
            det *= f.U(i, i);
        EXPECT_NEAR(std::log(std::fabs(det)), A.LogDeterminant().LogValue(), 1e-10);
        EXPECT_EQ(det > 0 ? 1 : -1, A.LogDeterminant().Sign());
    }
    EXPECT_MATH_ERROR(Lu(Mat({{1, 2}, {2, 4}})), "Singular Matrix");
    // Dependent only up to rounding: singular by the rule all the same.
    EXPECT_MATH_ERROR(Lu(Mat({{0.1, 0.2, 0.3}, {0.4, 0.5, 0.6}, {0.7, 0.8, 0.9}})),
                      "Singular Matrix");
    EXPECT_THROW(Lu(Mat({{1, 2, 3}})), ztmath::MathError);
}

TEST(LinearSolvers, RandomAndHilbertSystemsUpToOrderTen) {
    std::vector<Matrix> systems = {Sample(30, 30, 3)};
    for (int n = 2; n <= 10; ++n)
        systems.push_back(Hilbert(n, n));
    for (const Matrix& A : systems) {
        const int n = A.Nrows();
        const Matrix X = Sample(n, 3, n); // three right-hand sides with known solutions
        const Matrix B = A * X;
        // The forward error grows with the condition number (1.6e13 for the
        // Hilbert matrix of order 10); the residual stays at rounding level.
        const double allowed = 2e-15 * Condition(A);
        for (auto solve : {&GetGaussJSolVec, &GetLuSolVec}) {
            Matrix got = B, inverse = Eye(n);
            solve(A, got);
            solve(A, inverse);
            EXPECT_MATRIX_NEAR(A * got, B, 1e-14 * n) << "order " << n;
            EXPECT_MATRIX_NEAR(got, X, allowed) << "order " << n;
            EXPECT_MATRIX_NEAR(A * inverse, Eye(n), allowed) << "order " << n;
        }
    }
}

// Singular also when the dependence is only up to rounding (decimal rows) or
// an element is not finite.
TEST(LinearSolvers, RefuseSingularAndMismatchedSystems) {
    Matrix notFinite = Hilbert(3, 3);
    notFinite(2, 2) = NAN;
    const Matrix singular[] = {Mat({{1, 2}, {2, 4}}),
                               Mat({{0.1, 0.2, 0.3}, {0.4, 0.5, 0.6}, {0.1, 0.2, 0.3}}),
                               Mat({{0.1, 0.2, 0.3}, {0.4, 0.5, 0.6}, {0.7, 0.8, 0.9}}), notFinite};
    for (auto solve : {&GetGaussJSolVec, &GetLuSolVec}) {
        for (const Matrix& A : singular) {
            Matrix b = Sample(A.Nrows(), 1, 1);
            const Matrix before = b;
            EXPECT_THROW(solve(A, b), ztmath::MathError);
            EXPECT_TRUE(SameBits(b, before)); // untouched by the failure
        }
        Matrix b = Mat({{1}, {1}});
        EXPECT_MATH_ERROR(solve(Mat({{1, 2}, {2, 4}}), b), "Singular Matrix");
        Matrix three = Mat({{1}, {2}, {3}});
        EXPECT_THROW(solve(Eye(2), three), ztmath::MathError);
        EXPECT_THROW(solve(Mat({{1, 2}}), b), ztmath::MathError);
    }
}

TEST(GaussJordan, ReducedRowEchelonForm) {
    const Matrix reduced = Mat({{1, 0, -1}, {0, 1, 2}, {0, 0, 0}});
    // [A | b] gives [I | x]; a zero column is skipped, not pivoted on; rounding
    // residue is judged against the norm of the whole matrix, so its scale
    // leaves the reduced form alone, a row far smaller than the rest counts
    // as zero, and decimal rows that are dependent only up to rounding leave
    // rows of exact zeros.
    const struct {
        Matrix in, out;
    } cases[] = {
        {Mat({{2, 1, -1, 8}, {-3, -1, 2, -11}, {-2, 1, 2, -3}}),
         Mat({{1, 0, 0, 2}, {0, 1, 0, 3}, {0, 0, 1, -1}})},
        {Mat({{0, 2, 4}, {0, 1, 1}}), Mat({{0, 1, 0}, {0, 0, 1}})},
        {Mat({{1e-20, 2e-20}, {3, 4}}), Mat({{1, 4.0 / 3}, {0, 0}})},
        {Mat({{1, 2, 3}, {4, 5, 6}, {7, 8, 9}}) * 1e-200, reduced},
        {Mat({{1, 2, 3}, {4, 5, 6}, {7, 8, 9}}) * 1e200, reduced},
        {Mat({{0.1, 0.2, 0.3}, {0.4, 0.5, 0.6}, {0.7, 0.8, 0.9}}), reduced},
        {Mat({{0.1, 0.2, 0.3}, {0.3, 0.6, 0.9}}), Mat({{1, 2, 3}, {0, 0, 0}})},
        {Mat({{2, 4, -2, 2}, {1, 2, -1, 1}, {0, 1, 1, 0.5}}),
         Mat({{1, 0, -3, 0}, {0, 1, 1, 0.5}, {0, 0, 0, 0}})},
        {Mat({{0, 0}, {0, 0}}), Mat({{0, 0}, {0, 0}})},
    };
    for (const auto& c : cases) {
        Matrix work = c.in;
        const Matrix got = DoGauss(work);
        EXPECT_MATRIX_NEAR(got, c.out, 1e-14) << "case " << &c - cases;
        if (c.out.Row(c.out.Nrows()).MaximumAbsoluteValue() == 0.0) {
            EXPECT_EQ(got.Row(got.Nrows()).MaximumAbsoluteValue(), 0.0) << "case " << &c - cases;
        }
    }
    // A product of a 6 x 2 and a 2 x 5 factor has rank 2 and the reduced
    // form of its row space.
    const Matrix c = Mat({{1, 0, 2, -1, 3}, {0, 1, -4, 2, 0.5}});
    Matrix product = Sample(6, 2, 5) * c;
    Matrix expected(6, 5);
    expected = 0.0;
    expected.Rows(1, 2) = c;
    EXPECT_MATRIX_NEAR(DoGauss(product), expected, 1e-10);
}
