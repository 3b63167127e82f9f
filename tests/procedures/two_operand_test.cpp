#include <complex>
#include <vector>

#include "calculator/calculator_dlg.h"
#include "matrixlib/ztmath.h"
#include "procedures/pending_procedures.h"
#include "tests/procedures/procedure_test_support.h"

namespace {

using Complex = std::complex<double>;
class TwoOperandTest : public ProcedureTest {
  protected:
    // Begins the procedure on a, then finishes it at "=" with b.
    Matrix Finish(Procedure begin, const Matrix& a, const Matrix& b) {
        calc.dlg.SetCurrentMatrix(a);
        begin(calc.dlg);
        calc.dlg.SetCurrentMatrix(b);
        calc.dlg.OnEquals();
        return calc.dlg.GetCurrentMatrix();
    }
};

std::vector<Complex> Elements(const Matrix& dual) {
    const Matrix re = GetDualReal(dual);
    const Matrix im = GetDualImag(dual);
    std::vector<Complex> z;
    for (int k = 0; k < re.Storage(); ++k)
        z.emplace_back(re.Store()[k], im.Store()[k]);
    return z;
}

TEST_F(TwoOperandTest, ComplexProductsAndJoinsFollowComplexArithmetic) {
    calc.dlg.SetComplexMode();
    const Matrix a = RandomMatrix(1, 6, 21); // a row of three complex numbers
    const Matrix b = RandomMatrix(3, 2, 22); // a column of three
    const std::vector<Complex> x = Elements(a), y = Elements(b);

    const Matrix dot = Finish(OnDotProduct, a, b);
    const Complex expectedDot = x[0] * y[0] + x[1] * y[1] + x[2] * y[2];
    EXPECT_MATRIX_NEAR(dot, Rows(1, 2, {expectedDot.real(), expectedDot.imag()}), 1e-12);

    const std::vector<Complex> cross = Elements(Finish(OnCrossProduct, a, b));
    const Complex expectedCross[] = {x[1] * y[2] - x[2] * y[1], x[2] * y[0] - x[0] * y[2],
                                     x[0] * y[1] - x[1] * y[0]};
    ASSERT_EQ(cross.size(), 3u);
    for (int k = 0; k < 3; ++k)
        EXPECT_NEAR(std::abs(cross[k] - expectedCross[k]), 0.0, 1e-12) << k;

    // [x0 x1 x2 | x0 x1 x2] as complex elements.
    const std::vector<Complex> side = Elements(Finish(OnConcatHorizontal, a, a));
    ASSERT_EQ(side.size(), 6u);
    for (int k = 0; k < 6; ++k)
        EXPECT_EQ(side[k], x[k % 3]) << k;
    // The diagonal join of a 3 x 1 column with itself: 6 x 2 complex.
    const Matrix diagonal = Finish(OnConcatDiagonal, b, b);
    ASSERT_EQ(diagonal.Nrows(), 6);
    ASSERT_EQ(diagonal.Ncols(), 4);
    const std::vector<Complex> d = Elements(diagonal);
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(d[2 * k], y[k]);
        EXPECT_EQ(d[2 * k + 1], 0.0);
        EXPECT_EQ(d[6 + 2 * k + 1], y[k]);
        EXPECT_EQ(d[6 + 2 * k], 0.0);
    }
}

} // namespace
