#include "tests/support/calculator_fixture.h"

#include <algorithm>
#include <utility>

using CalculatorTest = CalculatorFixture;

TEST_F(CalculatorTest, KeyInSetStateInsertsAtTheCaretAndSecondSeRereads) {
    Set("1 2\n3 4");
    calc.display.SetSelStart(13); // after the line break, before "3.00"
    Press({"9"});
    EXPECT_EQ(calc.display.Text(), "1.00    2.00\r\n93.00    4.00\r\n");
    EXPECT_EQ(calc.display.SelStart(), 14);
    EXPECT_EQ(calc.display.ForeColor(), kEditingColor);
    Press({"SE"});
    EXPECT_EQ(CurrentRows(), (ElementRows{{1, 2}, {93, 4}}));
}

TEST_F(CalculatorTest, LineBreaksAreInsertedAndRemovedAsOneKey) {
    Type("12");
    calc.display.SetSelStart(1);
    Press({"v"});
    EXPECT_EQ(calc.display.Text(), "1\r\n2");
    EXPECT_EQ(calc.display.SelStart(), 2);
    Press({"SE"});
    EXPECT_EQ(CurrentRows(), (ElementRows{{1}, {2}}));
    // Separators alone store nothing.
    Press({"CE", ">", "v", "SE"});
    EXPECT_FALSE(calc.dlg.HasCurrentMatrix());
    Press({"CE", "<"});
    EXPECT_EQ(calc.display.Text(), "");
    Press({"1", "v", "<"});
    EXPECT_EQ(calc.display.Text(), "1");
    Press({"2", "<", "<"});
    EXPECT_EQ(calc.display.Text(), "");
}

TEST_F(CalculatorTest, SyntaxErrorKeepsTheTextAndSelectsWhatToFix) {
    struct Case {
        bool complex;
        std::string typed;
        const char* message;
        int selected; // display position (a line break counts once)
    };
    const Case cases[] = {
        {false, "1 2\n3 x4", "Invalid Expression", 6},
        {false, "1 2\n(3 4", "Invalid Expression", 4},
        {true, "(1, 2) (3, 4", "Unbalanced Parentheses", 7},
        {true, "(1, 2)) (3, 4)", "Unbalanced Parentheses", 6},
        {true, "(1, 2)\n((3, 4)", "Unbalanced Parentheses", 7},
        {true, "(1, 2) (3 4)", "Invalid Expression", 7},
        {true, "(1, 2, 5)", "Invalid Expression", 5},
        {true, "1, (2, 3)", "Invalid Expression", 1},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.typed);
        test.complex ? calc.dlg.SetComplexMode() : calc.dlg.SetRealMode();
        Set("8"); // the current matrix before the faulty SE
        const auto before = CurrentRows();
        calc.PasteIntoEmptyDisplay(test.typed);
        const std::string typed = calc.display.Text();
        TakeTranscript();
        Press({"SE"});
        EXPECT_EQ(TakeTranscript(), std::string("message \"Syntax Error\" \"") + test.message +
                              "\" icon=none buttons=ok -> ok\n");
        EXPECT_EQ(calc.display.Text(), typed);
        EXPECT_EQ(calc.dlg.EntryText(), typed);
        EXPECT_EQ(calc.display.ForeColor(), kEditingColor);
        EXPECT_EQ(calc.display.SelStart(), test.selected);
        EXPECT_EQ(calc.display.SelLength(), 1);
        EXPECT_EQ(calc.host.Focus(), IDC_DISPLAY);
        EXPECT_EQ(CurrentRows(), before);
    }
}

// Pasting turns every kind of line break into CR LF; text that has only CR LF
// already is taken as it is.
TEST_F(CalculatorTest, PasteMakesEveryLineBreakCrLf) {
    const std::pair<std::string, std::string> cases[] = {
        {"1 2\r\n3 4\r\n", "1 2\r\n3 4\r\n"},
        {"1\n2", "1\r\n2"},
        {"1\r2\r", "1\r\n2\r\n"},
        {"\n1\r\n\n2", "\r\n1\r\n\r\n2"},
        {"1\r\r\n2", "1\r\n\r\n2"},
        {"1\r\n2\n", "1\r\n2\r\n"},
        {"", ""},
    };
    for (const auto& [pasted, shown] : cases) {
        calc.PasteIntoEmptyDisplay(pasted);
        EXPECT_EQ(calc.display.Text(), shown) << pasted;
        EXPECT_EQ(calc.dlg.EntryText(), shown) << pasted;
    }
}

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
        {"1 2", 3, "1 "},
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
    EXPECT_EQ(calc.dlg.FormatInForce(), NumberFormat::Fixed);
    calc.decimalSpin.SetValue(2);
    calc.dlg.OnSpinChange(IDC_DECIMAL_SPIN);
    EXPECT_EQ(calc.dlg.FormatInForce(), NumberFormat::Default);
}

TEST_F(CalculatorTest, PromptReadsTypedTextAndEscapeEndsTheCommand) {
    calc.host.QueueInput(std::nullopt);
    EXPECT_THROW(calc.dlg.PromptInt("Rows:"), PromptCancelled);
    calc.host.QueueInput("");
    calc.host.QueueInput("12abc");
    calc.host.QueueInput("99999999999");
    calc.host.QueueInput("2.5e1x");
    EXPECT_EQ(calc.dlg.PromptText("Name:"), "");
    EXPECT_EQ(calc.dlg.PromptInt("Rows:"), 12);
    EXPECT_EQ(calc.dlg.PromptInt("Rows:"), 2147483647);
    EXPECT_EQ(calc.dlg.PromptReal("Value:"), 25.0);
}

