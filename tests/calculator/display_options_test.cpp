#include "tests/support/calculator_fixture.h"

using CalculatorTest = CalculatorFixture;

#include "commands/menu_tables.h"

TEST_F(CalculatorTest, EditPopupStatesAndOneLevelUndo) {
    EXPECT_FALSE(calc.dlg.DisplayHasSelection());
    EXPECT_TRUE(calc.dlg.DisplaySelectsAll());
    EXPECT_FALSE(calc.dlg.CanUndo());
    EXPECT_FALSE(calc.dlg.DisplayCanPaste());

    Type("1 2 3");
    calc.dlg.OnEditSelectAll();
    EXPECT_TRUE(calc.dlg.DisplayHasSelection());
    EXPECT_TRUE(calc.dlg.DisplaySelectsAll());
    calc.display.SetSelStart(2);
    calc.display.SetSelLength(2);
    calc.dlg.OnEditCut();
    EXPECT_EQ(calc.display.Text(), "1 3");
    EXPECT_EQ(calc.dlg.EntryText(), "1 3");
    EXPECT_EQ(calc.host.Clipboard(), "2 ");
    EXPECT_TRUE(calc.dlg.CanUndo());
    EXPECT_EQ(calc.dlg.UndoText(), "1 2 3");
    calc.dlg.OnEditUndo();
    EXPECT_EQ(calc.dlg.EntryText(), "1 2 3");
    EXPECT_TRUE(calc.dlg.DisplayCanPaste());
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
