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

// Complex joins on known elements are pinned by the two_operand transcript.
TEST_F(TwoOperandTest, ComplexProductsAndJoinsFollowComplexArithmetic) {
    calc.dlg.SetComplexMode();
    const Matrix a = Sample(1, 6, 21) * 10.0; // a row of three complex numbers
    const Matrix b = Sample(3, 2, 22) * 10.0; // a column of three
    const std::vector<Complex> x = Elements(a), y = Elements(b);

    const Matrix dot = Finish(OnDotProduct, a, b);
    const Complex expectedDot = x[0] * y[0] + x[1] * y[1] + x[2] * y[2];
    EXPECT_MATRIX_NEAR(dot, Mat({{expectedDot.real(), expectedDot.imag()}}), 1e-12);

    const std::vector<Complex> cross = Elements(Finish(OnCrossProduct, a, b));
    const Complex expectedCross[] = {x[1] * y[2] - x[2] * y[1], x[2] * y[0] - x[0] * y[2],
                                     x[0] * y[1] - x[1] * y[0]};
    ASSERT_EQ(cross.size(), 3u);
    for (int k = 0; k < 3; ++k)
        EXPECT_NEAR(std::abs(cross[k] - expectedCross[k]), 0.0, 1e-12) << k;
}

} // namespace
