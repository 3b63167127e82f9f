#include "tests/support/calculator_fixture.h"

#include <algorithm>

using CalculatorTest = CalculatorFixture;

// Setting a text puts the caret after its last position wherever it was
// before; a CR LF pair is one position, a lone CR or LF one each.
TEST_F(CalculatorTest, DisplayCaretStandsAfterEachTextSet) {
    struct Case {
        std::string text;
        int positions;
        std::string afterBackspace;
    };
    const Case cases[] = {
        {"", 0, ""},
        {"1\r\n2\r\n", 4, "1\r\n2"},
        {"1\r2\n", 4, "1\r2"},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.text);
        calc.display.SetSelStart(0);
        calc.display.SetText(test.text);
        EXPECT_EQ(calc.display.TextLength(), test.positions);
        EXPECT_EQ(calc.display.SelStart(), test.positions);
        calc.display.SetSelLength(5); // nothing lies beyond the caret
        EXPECT_EQ(calc.display.SelLength(), 0);
        calc.display.TypeKey('\b');
        EXPECT_EQ(calc.display.Text(), test.afterBackspace);
        EXPECT_EQ(calc.display.SelStart(), std::max(test.positions - 1, 0));
        calc.display.SetSelStart(100);
        EXPECT_EQ(calc.display.SelStart(), calc.display.TextLength());
    }
}

// Three decimals make the format fixed; back at two it is the default again.
TEST_F(CalculatorTest, DecimalsSpinSwitchesBetweenFixedAndDefault) {
    Set("1.234");
    calc.decimalSpin.SetValue(3);
    calc.dlg.OnSpinChange(IDC_DECIMAL_SPIN);
    EXPECT_EQ(calc.display.Text(), "1.234\r\n");
    EXPECT_EQ(calc.decimalBox.Text(), "3");
    EXPECT_EQ(calc.core.FormatInForce(), NumberFormat::Fixed);
    calc.decimalSpin.SetValue(2);
    calc.dlg.OnSpinChange(IDC_DECIMAL_SPIN);
    EXPECT_EQ(calc.core.FormatInForce(), NumberFormat::Default);
}

TEST_F(CalculatorTest, PromptReadsTypedTextAndEscapeEndsTheCommand) {
    calc.host.QueueInput(std::nullopt);
    EXPECT_THROW(calc.core.PromptInt("Rows:"), PromptCancelled);
    calc.host.QueueInput("");
    calc.host.QueueInput("99999999999");
    EXPECT_EQ(calc.core.PromptText("Name:"), "");
    EXPECT_EQ(calc.core.PromptInt("Rows:"), 2147483647);
}

