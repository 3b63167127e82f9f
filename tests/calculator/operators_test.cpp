#include "tests/support/calculator_fixture.h"

#include <cmath>

using CalculatorTest = CalculatorFixture;

namespace {

constexpr char kNoBoxes[] = "";

} // namespace

TEST_F(CalculatorTest, EqualsAfterStartEmptiesEverythingSilently) {
    Type("5");
    Press({"="});
    EXPECT_EQ(calc.display.Text(), "");
    EXPECT_FALSE(calc.dlg.HasCurrentMatrix());
    EXPECT_EQ(TakeTranscript(), kNoBoxes);
    // An operator without a current matrix only sets its flag.
    Press({"Div"});
    EXPECT_TRUE(calc.dlg.IsPending(PendingOperation::Divide));
    EXPECT_EQ(calc.display.Text(), "");
}

TEST_F(CalculatorTest, TwoPendingOperatorsFinishOneAtATime) {
    Set("1");
    Press({"Add"});
    Set("10");
    Press({"Mul"}); // the first operand is now 10
    Set("2");
    Press({"="});
    EXPECT_EQ(CurrentRows(), (ElementRows{{12}}));
    EXPECT_TRUE(calc.dlg.IsPending(PendingOperation::Multiply));
    Press({"="});
    EXPECT_EQ(CurrentRows(), (ElementRows{{120}}));
    Set("1 0 0");
    calc.dlg.BeginTwoOperand(PendingOperation::CrossProduct, nullptr);
    Set("0\n1\n0");
    Press({"="});
    EXPECT_EQ(CurrentRows(), (ElementRows{{0, 0, 1}}));
}

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

TEST_F(CalculatorTest, ComplexInverseAndTranspose) {
    calc.dlg.SetComplexMode();
    Set("(0, 2)"); // real part singular, the complex number is not
    Press({"Inv"});
    EXPECT_EQ(TakeTranscript(), kNoBoxes);
    EXPECT_EQ(CurrentRows(), (ElementRows{{0, -0.5}}));
    Set("(1, 1) (2, 2)\n(2, 2) (4, 4)");
    Press({"Inv"});
    EXPECT_EQ(TakeTranscript(), "message \"Complex Inverse Error\" \"Singular Matrix\" icon=none "
                                "buttons=ok -> ok\n");
    Set("(1, 2) (3, 4)");
    Press({"Trn"});
    EXPECT_EQ(CurrentRows(), (ElementRows{{1, -2}, {3, -4}}));
    Press({"Inv"});
    EXPECT_EQ(TakeTranscript(), "message \"Complex Inverse Error\" \"Non-Square Matrix\" icon=none "
                                "buttons=ok -> ok\n");
}

TEST_F(CalculatorTest, AnEmptyExponentIsThePowerZero) {
    Set("1 1\n0 1");
    calc.host.QueueInput("");
    Press({"Pow"});
    EXPECT_EQ(CurrentRows(), (ElementRows{{1, 0}, {0, 1}}));
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

// Typing over the cue is pinned by the operators transcript.
TEST_F(CalculatorTest, TypingAfterAnOperatorStartsTheSecondOperand) {
    Set("4 6");
    // "<" takes the whole cue; what the box's own Backspace leaves of it is
    // replaced like the cue, and so is the cue by a paste.
    Press({"Sub", "<"});
    EXPECT_EQ(calc.display.Text(), "");
    Press({"1", ">", "1", "SE", "="});
    EXPECT_EQ(CurrentRows(), (ElementRows{{3, 5}}));
    Press({"Add"});
    Type("\b");
    Press({"1", ">", "1", "SE", "="});
    EXPECT_EQ(CurrentRows(), (ElementRows{{4, 6}}));
    Press({"Add"});
    calc.host.SetClipboard("2 2");
    calc.ChooseMenuCommand(32831); // Edit > Paste
    EXPECT_EQ(calc.display.Text(), "2 2");
    Press({"SE", "="});
    EXPECT_EQ(CurrentRows(), (ElementRows{{6, 8}}));
    // SE on the cue itself sets nothing and keeps the current matrix.
    Press({"Add", "SE"});
    EXPECT_EQ(calc.display.Text(), "\n\t+");
    Press({"="});
    EXPECT_EQ(CurrentRows(), (ElementRows{{12, 16}}));
    EXPECT_EQ(TakeTranscript(), kNoBoxes);
}

TEST_F(CalculatorTest, EqualsThatCannotFinishKeepsTheSecondOperandOnShow) {
    struct Case {
        PendingOperation operation;
        MultiplyKind mode;
        const char* first;
        const char* second;
        const char* message;
    };
    using P = PendingOperation;
    using M = MultiplyKind;
    const Case cases[] = {
        {P::Add, M::Matrix, "1 2\n3 4", "1 2 3", "Incompatible matrices"},
        {P::Subtract, M::Matrix, "1 2", "1\n2", "Incompatible matrices"},
        {P::Multiply, M::Matrix, "1 2", "1 2", "Product not defined"},
        {P::Multiply, M::Scalar, "1 2", "1 2", "Multiplier not a scalar"},
        {P::Multiply, M::Schur, "1 2", "1 2 3", "Incompatible matrix"},
        {P::Divide, M::Matrix, "1 2", "1 2 3\n4 5 6", "Non-Square Matrix"},
        {P::Divide, M::Matrix, "1 2", "1 2\n2 4", "Singular Matrix"},
        {P::ConcatHorizontal, M::Matrix, "1 2", "1\n2", "Rows do not match"},
        {P::ConcatVertical, M::Matrix, "1 2", "1 2 3", "Columns do not match"},
        {P::DotProduct, M::Matrix, "1 2", "1 2\n3 4", "Selected object is not a vector"},
        {P::CrossProduct, M::Matrix, "1 2 3", "1 2", "Incompatible vector dimensions"},
        // A failure inside the library is the same to the user.
        {P::CrossProduct, M::Matrix, "1 2", "3 4", "message \"Error\" "},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.message);
        if (test.mode == M::Scalar) calc.dlg.SetMultiplyScalar();
        if (test.mode == M::Schur) calc.dlg.SetMultiplySchur();
        Set(test.first);
        calc.dlg.BeginTwoOperand(test.operation, nullptr);
        Set(test.second);
        const auto second = CurrentRows();
        const std::string shown = calc.display.Text();
        TakeTranscript();
        Press({"="});
        EXPECT_NE(TakeTranscript().find(test.message), std::string::npos);
        EXPECT_EQ(CurrentRows(), second);
        EXPECT_EQ(calc.display.Text(), shown);
        EXPECT_EQ(calc.display.ForeColor(), kSetColor);
        for (int index = 0; index <= static_cast<int>(P::CrossProduct); ++index)
            EXPECT_FALSE(calc.dlg.IsPending(static_cast<P>(index)));
        calc.dlg.SetMultiplyMatrix();
    }
}

TEST_F(CalculatorTest, TypingAfterACueThatCameBackFromTheDisplayStartsAfresh) {
    // A text box gives the cue's line break back as CR LF.
    Set("1 2");
    Press({"Mul"});
    calc.PasteIntoEmptyDisplay("\r\n\t*");
    Type("3\n4");
    EXPECT_EQ(calc.display.Text(), "3\r\n4");
    Press({"SE", "="});
    EXPECT_EQ(CurrentRows(), (ElementRows{{11}}));
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
