#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "commands/command_dispatch.h"
#include "commands/command_groups.h"
#include "tests/commands/calculator_fixture.h"

namespace {

using CommandListTest = CalculatorFixture;

TEST_F(CommandListTest, StartsWithTheHighlightedTestsGroup) {
    EXPECT_EQ(calc.dlg.CurrentCommandList(), Tests);
    EXPECT_EQ(calc.commandList.Text(), "MATRIX TESTS");
    EXPECT_EQ(calc.commandList.SelStart(), 0);
    EXPECT_EQ(calc.commandList.SelLength(), 12);
    const std::vector<std::string>& rows = calc.commandList.Items();
    ASSERT_EQ(rows.size(), 19u);
    EXPECT_EQ(rows.front(), "Characteristic");
    EXPECT_EQ(rows[7], "Matrix Norm");
    EXPECT_EQ(rows.back(), "Unitary");
}

TEST_F(CommandListTest, EveryGroupHasItsTitleAndRowCount) {
    struct Expected {
        CommandListKind kind;
        const char* title;
        bool selected;
        size_t rows;
    };
    const Expected groups[] = {
        {Tests, "MATRIX TESTS", true, 19},         {MultiplyMode, "Matrix Multiply", false, 4},
        {DisplayOptions, "SET DISPLAY", true, 11}, {Store, "    STORE", true, 27},
        {Recall, "    RECALL", true, 27},          {Procedures, "   PROCEDURES", true, 72},
        {Mode, "   SET MODE", false, 2},           {Create, "CREATE MATRIX", true, 14},
        {Factor, "FACTOR MATRIX", true, 9},
    };
    for (const Expected& group : groups) {
        SCOPED_TRACE(group.title);
        ShowCommandList(calc.dlg, group.kind);
        EXPECT_EQ(calc.dlg.CurrentCommandList(), group.kind);
        EXPECT_EQ(calc.commandList.Text(), group.title);
        EXPECT_EQ(calc.commandList.SelLength(),
                  group.selected ? static_cast<int>(std::string(group.title).size()) : 0);
        EXPECT_EQ(calc.commandList.Items().size(), group.rows);
    }
    EXPECT_EQ(FindCommandGroup(8), nullptr);
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
