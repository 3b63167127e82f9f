#include "calculator_fixture.h"

TEST_F(CalculatorTest, FormatChoicesSetDecimalsAndFlags) {
    Set("1.23456 2");
    calc.dlg.OnFormatFixed(4);
    EXPECT_EQ(calc.display.Text(), "1.2346    2.0000\r\n");
    EXPECT_EQ(calc.decimalBox.Text(), "4");
    EXPECT_EQ(calc.dlg.FormatInForce(), NumberFormat::Fixed);
    calc.dlg.OnFormatExponential(1);
    EXPECT_EQ(calc.display.Text(), "1.2e+000    2.0e+000\r\n");
    EXPECT_TRUE(calc.dlg.ExponentFlag());
    calc.widthSpin.SetValue(9);
    calc.dlg.OnSpinChange(IDC_WIDTH_SPIN);
    calc.dlg.OnFormatDefault();
    EXPECT_EQ(calc.display.Text(), "1.23    2.00\r\n");
    EXPECT_EQ(calc.widthBox.Text(), "4");
    EXPECT_EQ(calc.dlg.FormatInForce(), NumberFormat::Default);
}

TEST_F(CalculatorTest, TruncateChangesTheStoredNumbers) {
    Set("3.14159");
    calc.dlg.OnFormatTruncate(2);
    EXPECT_EQ(calc.dlg.TruncationDigits(), 2);
    EXPECT_NE(Current()[0][0], 3.14159);
    calc.dlg.OnFormatTruncate(0);  // also runs on an empty matrix
    Press({"CE"});
    calc.dlg.OnFormatTruncate(5);
    EXPECT_FALSE(calc.dlg.HasCurrentMatrix());
}

TEST_F(CalculatorTest, RadixDisplays) {
    Set("255.9 -1");
    calc.dlg.DisplayHexadecimal();
    EXPECT_EQ(calc.display.Text(), "ff    ffffffff\r\n");
    EXPECT_EQ(calc.status.Caption(), "Mode: Real       Var:    Mult: Matrix  Rdx:16");
    calc.dlg.OnFormatDefault();  // keeps the radix
    EXPECT_EQ(calc.display.Text(), "ff    ffffffff\r\n");
    Set("8");
    calc.dlg.DisplayOctal();
    EXPECT_EQ(calc.display.Text(), "10\r\n");
    calc.dlg.OnFormatExponential(3);
    EXPECT_EQ(calc.display.Text(), "8.000e+000\r\n");
    EXPECT_EQ(calc.status.Caption(), "Mode: Real       Var:    Mult: Matrix  Rdx:8");
    calc.dlg.DisplayDecimal();
    EXPECT_EQ(calc.display.Text(), "8.00\r\n");
    Set("1234.5 1");
    calc.dlg.DisplayEngineering();
    EXPECT_EQ(calc.display.Text(), "1.23e+003    1.00e+000\r\n");
}

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
    EXPECT_EQ(calc.display.Text(), "1 2 3");
    EXPECT_EQ(calc.dlg.EntryText(), "1 2 3");
    calc.dlg.OnEditUndo();
    EXPECT_EQ(calc.display.Text(), "1 3");
    calc.dlg.OnEditUndo();

    calc.display.SetSelStart(5);
    calc.dlg.OnEditPaste();
    EXPECT_EQ(calc.display.Text(), "1 2 32 ");
    EXPECT_EQ(calc.dlg.UndoCount(), 2);
    Press({"SE"});
    EXPECT_EQ(Current(), (Rows{{1, 2, 32}}));
}

TEST_F(CalculatorTest, MouseUpOnTheDisplayReturnsToEditing) {
    Set("1");
    calc.dlg.OnDisplayMouseUp(1, 3, 4);
    EXPECT_EQ(calc.display.ForeColor(), kEditingColor);
    EXPECT_FALSE(calc.host.LastPopupMenu().has_value());
    calc.dlg.OnDisplayMouseUp(2, 3, 4);
    ASSERT_TRUE(calc.host.LastPopupMenu().has_value());
    EXPECT_EQ(calc.host.LastPopupMenu()->items.front().text, "&Undo");
}

TEST_F(CalculatorTest, FocusParkingFollowsTheEntryState) {
    calc.dlg.OnBoxMouseMove(IDC_WIDTH_BOX);
    EXPECT_EQ(calc.host.Focus(), IDC_DISPLAY);
    Set("1");
    calc.dlg.OnBoxMouseMove(IDC_DECIMAL_BOX);
    EXPECT_EQ(calc.host.Focus(), IDC_OPTIONS_CAPTION);
}
