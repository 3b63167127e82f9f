
#include "procedures/set_radix.h"
#include "tests/procedures/procedure_test_support.h"

namespace {

using NormsRadixTest = ProcedureTest;

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
