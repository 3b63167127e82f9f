#include "tests/support/calculator_fixture.h"

#include <fstream>

#include "archive/register_file.h"

using CalculatorTest = CalculatorFixture;

namespace {

constexpr char kUnableToOpen[] =
    "message \"File Error\" \"Unable to open file\" icon=stop buttons=ok -> ok\n";

} // namespace

// A pair set aside by a procedure goes to register t, not to the display.
TEST_F(CalculatorTest, SavingToTheTemporaryRegisterLeavesTheCurrentMatrix) {
    Set("7");
    NEWMAT::Matrix pair(1, 2);
    pair = 0.0;
    calc.dlg.SaveToTemporaryRegister(pair);
    EXPECT_EQ(CurrentRows(), (ElementRows{{7}}));
    PackedMatrix saved;
    ASSERT_EQ(ReadRegisterFile("Regtmp", saved), RegisterFileResult::Ok);
    EXPECT_EQ(saved, (PackedMatrix{1, 2, 0, 0}));
}

TEST_F(CalculatorTest, StoreThatCannotCreateKeepsTheRegister) {
    Set("1");
    calc.dlg.StoreRegister("           B");
    std::filesystem::create_directory("RegE"); // a directory cannot become a register file
    Set("2");
    calc.dlg.StoreRegister("           E");
    EXPECT_EQ(TakeTranscript(), kUnableToOpen);
    EXPECT_TRUE(std::filesystem::is_directory("RegE"));
    calc.dlg.RecallRegister("           B");
    EXPECT_EQ(CurrentRows(), (ElementRows{{1}}));
}

TEST_F(CalculatorTest, ParseThatCannotStartShowsSystemError) {
    calc.host.SetEvaluatorProgram("/nonexistent-zentabl/zteval");
    Set("1");
    calc.dlg.OnButton(IDC_PARSE);
    EXPECT_EQ(TakeTranscript(),
              "message \"System Error\" \"Error = 2\" icon=stop buttons=ok -> ok\n");
    EXPECT_EQ(CurrentRows(), (ElementRows{{1}}));
}

// A recall that reads nothing leaves the typing as it was.
TEST_F(CalculatorTest, RecallThatReadsNothingLeavesTheTyping) {
    Type("3 4");
    Press({"Recall"});
    calc.Pick("           Q");
    EXPECT_EQ(TakeTranscript(), kUnableToOpen);
    EXPECT_EQ(calc.display.Text(), "3 4");
    EXPECT_EQ(calc.display.ForeColor(), kEditingColor);
    Press({"SE"});
    EXPECT_EQ(CurrentRows(), (ElementRows{{3, 4}}));
}
