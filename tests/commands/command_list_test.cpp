#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "commands/command_dispatch.h"
#include "commands/command_groups.h"
#include "tests/support/calculator_fixture.h"

namespace {

using CommandListTest = CalculatorFixture;

// A second row with the text of an earlier one could never run: picking
// finds the first.
TEST(CommandGroups, NoGroupRepeatsARowText) {
    int groups = 0;
    for (int kind = 0; kind <= 16; ++kind) {
        const CommandGroup* group = FindCommandGroup(kind);
        if (!group) continue;
        ++groups;
        std::set<std::string> texts;
        for (const CommandRow& row : group->rows)
            EXPECT_TRUE(texts.insert(row.text).second) << kind << ": " << row.text;
    }
    EXPECT_EQ(groups, 9);
}

// The multiply rows set the mode their text names, and the group's title and
// the status line follow it.
TEST_F(CommandListTest, MultiplyRowsSetTheModeTheyName) {
    const struct {
        const char* row;
        MultiplyKind mode;
        const char* status;
    } cases[] = {
        {"Kronecker", MultiplyKind::Kronecker, "Mult: Kron"},
        {"Scalar", MultiplyKind::Scalar, "Mult: Scalar"},
        {"Schurr", MultiplyKind::Schur, "Mult: Schurr"},
        {"Matrix", MultiplyKind::Matrix, "Mult: Matrix"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.row);
        ShowCommandList(calc.dlg, MultiplyMode);
        calc.Pick(c.row);
        EXPECT_EQ(calc.dlg.GetMultiplyMode(), c.mode);
        EXPECT_EQ(calc.commandList.Text(), std::string(c.row) + " Multiply");
        EXPECT_NE(calc.status.Caption().find(c.status), std::string::npos);
    }
}

TEST_F(CommandListTest, ModeRowsSwitchRealAndComplex) {
    calc.dlg.OnButton(IDC_MODE);
    calc.Pick("Complex");
    EXPECT_TRUE(calc.dlg.IsComplexMode());
    EXPECT_EQ(calc.commandList.Text(), "   SET MODE");
    calc.Pick("Real");
    EXPECT_TRUE(calc.dlg.IsRealMode());
}

TEST_F(CommandListTest, StoreIntoTWritesRegtmp) {
    SetCurrent(1, 2, {1, 2});
    calc.dlg.OnButton(IDC_STORE);
    calc.Pick("           t");
    EXPECT_TRUE(std::filesystem::exists("Regtmp"));
    EXPECT_EQ(calc.commandList.Text(), "    STORE");
    EXPECT_EQ(calc.host.Focus(), IDC_OPTIONS_CAPTION);
}

TEST_F(CommandListTest, UnknownTextRunsNothing) {
    SetCurrent(1, 1, {-3});
    ShowCommandList(calc.dlg, Procedures);
    calc.commandList.Pick("Element:absolute"); // case matters
    calc.dlg.OnCommandListClick();
    EXPECT_EQ(calc.dlg.GetCurrentMatrix()(1, 1), -3.0);
    EXPECT_EQ(calc.commandList.Text(), "   PROCEDURES");
    EXPECT_EQ(TakeTranscript(), "");

    ShowCommandList(calc.dlg, Store);
    calc.commandList.Pick("           Q2"); // typed, not a register row
    calc.dlg.OnCommandListClick();
    EXPECT_TRUE(std::filesystem::is_empty(std::filesystem::current_path()));
    EXPECT_EQ(calc.commandList.Text(), "    STORE");
}

TEST_F(CommandListTest, DisplayGroupSwitchesTheSettings) {
    calc.dlg.OnButton(IDC_DISPL);
    calc.Pick("Disable Tool Tips");
    EXPECT_FALSE(calc.host.ToolTipsEnabled());
    calc.Pick("Enable Tool Tips");
    EXPECT_TRUE(calc.host.ToolTipsEnabled());
    calc.Pick("Disable Drag Drop");
    EXPECT_FALSE(calc.dlg.DragDrop());
    EXPECT_FALSE(calc.dlg.OnDropText("1 2"));
    calc.Pick("Enable Drag Drop");
    EXPECT_TRUE(calc.dlg.DragDrop());
    calc.Pick("Disable Keyboard");
    EXPECT_FALSE(calc.dlg.KeyboardEntry());
    calc.Pick("Enable Keyboard");
    EXPECT_TRUE(calc.dlg.KeyboardEntry());
}

TEST_F(CommandListTest, CreatePickShowsTheSetState) {
    calc.dlg.OnButton(IDC_CREATE);
    EXPECT_TRUE(calc.commandList.DroppedDown());
    calc.host.QueueInput("2");
    calc.host.QueueInput("2");
    calc.Pick("Create Identity");
    EXPECT_EQ(calc.display.ForeColor(), kSetColor);
    EXPECT_EQ(calc.display.Text(), "1.00    0.00\r\n0.00    1.00\r\n");
    EXPECT_EQ(calc.commandList.Text(), "CREATE MATRIX");
}

} // namespace
