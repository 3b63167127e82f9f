#include "tests/support/calculator_fixture.h"

using CalculatorTest = CalculatorFixture;

#include "commands/menu_tables.h"

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

TEST_F(CalculatorTest, AlignColumnsRedrawsASetMatrixAndLeavesTypingAlone) {
    Set("-1 10\n100 2");
    calc.ChooseMenuCommand(ID_VIEW_ALIGN_COLUMNS);
    EXPECT_EQ(calc.display.Text(), " -1.00    10.00\r\n100.00     2.00\r\n");
    // Set again from the aligned text: the same matrix.
    Press({"SE"});
    EXPECT_EQ(CurrentRows(), (ElementRows{{-1, 10}, {100, 2}}));
    Type("5");
    calc.ChooseMenuCommand(ID_VIEW_ALIGN_COLUMNS);
    EXPECT_EQ(calc.display.Text(), " -1.00    10.00\r\n100.00     2.00\r\n5");
}
