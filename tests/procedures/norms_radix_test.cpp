#include <cmath>

#include "procedures/norms_products.h"
#include "procedures/set_radix.h"
#include "tests/procedures/procedure_test_support.h"

namespace {

using NormsRadixTest = ProcedureTest;

TEST_F(NormsRadixTest, NormsOfKnownLength) {
    struct Case {
        Matrix m;
        double norm;
    };
    const Case cases[] = {
        {Rows(1, 3, {2, 3, 6}), 7.0},
        {Rows(3, 1, {-2, 3, -6}), 7.0},
        {Rows(1, 2, {3e200, 4e200}), 5e200}, // squares beyond the double range
        {Rows(1, 2, {3e-200, -4e-200}), 5e-200},
    };
    for (const Case& c : cases) {
        SetCurrent(c.m);
        EXPECT_NEAR(Reported(OnVectorNorm)(1, 1), c.norm, 1e-15 * c.norm);
        EXPECT_NEAR(Reported(OnMatrixNorm)(1, 1), c.norm, 1e-15 * c.norm);
    }
    // Frobenius: the square root of the trace of MᵀM.
    const Matrix m = RandomMatrix(4, 3, 7);
    SetCurrent(m);
    EXPECT_NEAR(Reported(OnMatrixNorm)(1, 1), std::sqrt((m.t() * m).Trace()), 1e-12);
}

TEST_F(NormsRadixTest, RadixAcceptsTwoTo256Only) {
    SetCurrent(Rows(1, 2, {255.9, -1.5}));
    struct Case {
        const char* answer;
        int radix;
    };
    const Case cases[] = {{"-16", 10}, {"x", 10}, {"256", 256}, {"99999999999", 256}};
    for (const Case& c : cases) {
        calc.host.QueueAnswer(ScriptedHost::Answer::Yes);
        Run(OnSetRadix, {c.answer});
        EXPECT_EQ(calc.dlg.Radix(), c.radix) << c.answer;
    }
    EXPECT_MATRIX_NEAR(Current(), Rows(1, 2, {255, -1}), 0.0);
    EXPECT_EQ(calc.dlg.Decimals(), 0);
    EXPECT_EQ(calc.decimalBox.Text(), "0");
    EXPECT_NE(calc.status.Caption().find("Rdx:256"), std::string::npos);
}

} // namespace
