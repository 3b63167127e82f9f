#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "matrixlib/ztmath.h"
#include "procedures/factorisations.h"
#include "procedures/spectral.h"
#include "tests/procedures/procedure_test_support.h"

namespace {

class FactorSpectralTest : public ProcedureTest {
  protected:
    // The current matrix after running procedure on m.
    Matrix After(Procedure procedure, const Matrix& m) {
        SetCurrent(m);
        Run(procedure);
        return Current();
    }
};

// Elements in [−1, 1].
Matrix SmallRandom(int rows, int cols, unsigned seed) {
    return RandomMatrix(rows, cols, seed) * 0.1;
}

// The off-diagonal part.
Matrix OffDiagonal(Matrix m) {
    for (int i = 1; i <= std::min(m.Nrows(), m.Ncols()); ++i)
        m(i, i) = 0.0;
    return m;
}

} // namespace

TEST_F(FactorSpectralTest, SingularLuStoresNothing) {
    const Matrix A = SmallRandom(4, 4, 5);
    Matrix singular = A;
    singular.Row(4) = A.Row(1) * 2.0 - A.Row(2);
    EXPECT_EQ(MaxDiff(After(OnFactorLuLower, singular), singular), 0.0);
    EXPECT_EQ(TakeTranscript(), "message \"LU Decomposition Error\" \"Singular Matrix\" "
                                "icon=stop buttons=ok -> ok\n");
}

TEST_F(FactorSpectralTest, SymmetricEigenpairsUpToOrderOneHundred) {
    for (int n : {2, 30, 100}) {
        Matrix A = SmallRandom(n, n, n);
        A = A + A.t();
        const double norm = std::sqrt(A.SumSquare());
        for (auto procedure : {OnEigenvectors1, OnEigenvectors2}) {
            const Matrix V = After(procedure, A);
            const Matrix d = TemporaryRegister();
            ASSERT_EQ(d.Nrows(), n);
            Matrix D(n, n);
            D = 0.0;
            for (int i = 1; i <= n; ++i)
                D(i, i) = d(i, 1);
            EXPECT_LT(MaxDiff(A * V, V * D), 1e-10 * norm) << n;
            EXPECT_LT(MaxDiff(V.t() * V, Eye(n)), 1e-12 * n) << n;
        }
        const Matrix diagonal = After(OnDiagonalize, A);
        EXPECT_LT(OffDiagonal(diagonal).MaximumAbsoluteValue(), 1e-12 * norm);
        EXPECT_NEAR(diagonal.Trace(), A.Trace(), 1e-12 * norm);
        const Matrix tri = After(OnTriDiagonalForm, A);
        for (int i = 1; i <= n; ++i)
            for (int j = i + 2; j <= n; ++j)
                EXPECT_LT(std::fabs(tri(i, j)) + std::fabs(tri(j, i)), 1e-12 * norm);
    }
    EXPECT_EQ(TakeTranscript(), "");
}

TEST(SeriesMessage, ACountOfOneHundredHasNotConverged) {
    const struct {
        int count;
        const char* text;
    } cases[] = {
        {1, "Series converged after 0 iterations"},
        {99, "Series converged after 98 iterations"},
        {100, "Series failed to converge after 99 iterations"},
        {101, "Series failed to converge after 100 iterations"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SeriesMessage(c.count), c.text) << c.count;
}
