#include "tests/support/calculator_fixture.h"

using CalculatorTest = CalculatorFixture;

TEST_F(CalculatorTest, CommandFrameReportsEveryFailureKind) {
    calc.core.RunCommand([] {
        NEWMAT::Matrix singular(2, 2);
        singular = 1.0;
        NEWMAT::Matrix inverse = singular.i();
    });
    calc.core.RunCommand([] { throw std::bad_alloc(); });
    calc.host.SetEvaluatorProgram("/nonexistent-zentabl/zteval");
    Set("1");
    calc.dlg.OnButton(IDC_PARSE); // Parse that cannot start
    EXPECT_EQ(TakeTranscript(),
              "message \"Error\" \"Matrix is singular\" icon=stop buttons=ok -> ok\n"
              "message \"Error\" \"Not enough memory\" icon=stop "
              "buttons=ok -> ok\n"
              "message \"System Error\" \"Error = 2\" icon=stop buttons=ok -> ok\n");
    EXPECT_EQ(calc.core.GetCurrentMatrix().AsScalar(), 1.0);
}

TEST_F(CalculatorTest, ButtonsShowTheWaitCursorForTheirWholeRun) {
    Set("2");
    int depthWhileAsked = -1;
    calc.host.Improvise({nullptr, [&]() -> std::optional<std::string> {
                             depthWhileAsked = calc.host.WaitCursorDepth();
                             return "3";
                         }});
    calc.dlg.OnButton(IDC_POW);
    EXPECT_EQ(depthWhileAsked, 1);
    EXPECT_EQ(calc.host.WaitCursorDepth(), 0);
    EXPECT_EQ(calc.core.GetCurrentMatrix().AsScalar(), 8.0);
}

// The focus parks on the caption only while a matrix is set; a mouse-up on
// the display returns to editing, the right button also opening the popup.
TEST_F(CalculatorTest, MouseAndFocusFollowTheEntryState) {
    Set("1");
    calc.dlg.OnBoxMouseMove(IDC_DECIMAL_BOX);
    EXPECT_EQ(calc.host.Focus(), IDC_OPTIONS_CAPTION);
    calc.dlg.OnDisplayMouseUp(1, 3, 4);
    EXPECT_EQ(calc.display.ForeColor(), kEditingColor);
    EXPECT_FALSE(calc.host.LastPopupMenu().has_value());
    calc.dlg.OnBoxMouseMove(IDC_WIDTH_BOX);
    EXPECT_EQ(calc.host.Focus(), IDC_DISPLAY);
    calc.dlg.OnDisplayMouseUp(2, 3, 4);
    ASSERT_TRUE(calc.host.LastPopupMenu().has_value());
    EXPECT_EQ(calc.host.LastPopupMenu()->items.front().text, "&Undo");
}
