#include "tests/support/calculator_fixture.h"

#include <cmath>

using CalculatorTest = CalculatorFixture;

namespace {

constexpr char kNoBoxes[] = "";

} // namespace

TEST_F(CalculatorTest, NearlySingularMatrixIsSingularForInverseAndDivision) {
    // The last pivot, 4.4e-16, is below the rule's 2·eps·4: the inverse
    // would be made of rounding errors.
    const char* nearlySingular = "1 2\n2 4.000000000000001";
    const std::string singular =
        "message \"Error\" \"Singular Matrix\" icon=none buttons=ok -> ok\n";
    Set(nearlySingular);
    Press({"Inv"});
    EXPECT_EQ(TakeTranscript(), singular);
    EXPECT_EQ(CurrentRows(), (ElementRows{{1, 2}, {2, 4.000000000000001}}));
    Set("1 0\n0 1");
    Press({"Div"});
    Set(nearlySingular);
    Press({"="});
    EXPECT_EQ(TakeTranscript(), singular);
    // det = 1e-400 underflows a double, yet the matrix is easily inverted.
    calc.dlg.SetCurrentMatrix(NEWMAT::IdentityMatrix(40) * 1e-10);
    Press({"Inv"});
    EXPECT_EQ(TakeTranscript(), kNoBoxes);
    EXPECT_NEAR(calc.dlg.GetCurrentMatrix()(40, 40), 1e10, 1.0);
}

TEST_F(CalculatorTest, CommandFrameReportsEveryFailureKind) {
    calc.dlg.RunCommand([] {
        NEWMAT::Matrix singular(2, 2);
        singular = 1.0;
        NEWMAT::Matrix inverse = singular.i();
    });
    calc.dlg.RunCommand([] { throw std::bad_alloc(); });
    EXPECT_EQ(TakeTranscript(),
              "message \"Error\" \"Matrix is singular\" icon=stop buttons=ok -> ok\n"
              "message \"Error\" \"Not enough memory for this operation\" icon=stop "
              "buttons=ok -> ok\n");
}

TEST_F(CalculatorTest, ButtonsShowTheWaitCursorForTheirWholeRun) {
    Set("2");
    int depthWhileAsked = -1;
    calc.host.Improvise({nullptr, [&]() -> std::optional<std::string> {
                             depthWhileAsked = calc.host.WaitCursorDepth();
                             return "3";
                         }});
    Press({"Pow"});
    EXPECT_EQ(depthWhileAsked, 1);
    EXPECT_EQ(calc.host.WaitCursorDepth(), 0);
    EXPECT_EQ(CurrentRows(), (ElementRows{{8}}));
}
