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

TEST_F(CommandListTest, RowTextsAreUniqueWithinEveryGroup) {
    for (int kind = 1; kind <= Factor; ++kind) {
        const CommandGroup* group = FindCommandGroup(kind);
        if (!group) continue;
        for (size_t i = 0; i < group->rows.size(); ++i)
            for (size_t j = i + 1; j < group->rows.size(); ++j)
                EXPECT_STRNE(group->rows[i].text, group->rows[j].text) << "group " << kind;
    }
}

TEST_F(CommandListTest, MultiplyGroupTitleFollowsTheModeInForce) {
    SetCurrent(1, 1, {2});
    calc.dlg.OnButton(IDC_MUL);
    EXPECT_EQ(calc.commandList.Text(), "Matrix Multiply");
    EXPECT_FALSE(calc.commandList.DroppedDown());
    calc.Pick("Kronecker");
    EXPECT_EQ(calc.dlg.GetMultiplyMode(), MultiplyKind::Kronecker);
    EXPECT_EQ(calc.commandList.Text(), "Kronecker Multiply");
    calc.Pick("Schurr");
    EXPECT_EQ(calc.commandList.Text(), "Schurr Multiply");

    ShowCommandList(calc.dlg, Procedures);
    calc.Pick("Set Multiply:Scalar");
    EXPECT_EQ(calc.dlg.GetMultiplyMode(), MultiplyKind::Scalar);
    EXPECT_EQ(calc.commandList.Text(), "   PROCEDURES");
}

TEST_F(CommandListTest, StoreAndRecallUseThePickedRegister) {
    SetCurrent(1, 2, {1, 2});
    calc.dlg.OnButton(IDC_STORE);
    calc.Pick("           t");
    EXPECT_TRUE(std::filesystem::exists("Regtmp"));
    calc.Pick("           A");
    EXPECT_TRUE(std::filesystem::exists("RegA"));
    EXPECT_EQ(calc.commandList.Text(), "    STORE");

    calc.dlg.OnButton(IDC_CE);
    calc.host.SetCaption("changed");
    calc.dlg.OnButton(IDC_RECALL);
    calc.Pick("           A");
    EXPECT_EQ(calc.display.ForeColor(), kSetColor);
    EXPECT_EQ(calc.host.Caption(), " Zentabl");
    EXPECT_EQ(calc.commandList.Text(), "    RECALL");
    EXPECT_EQ(calc.dlg.GetCurrentMatrix()(1, 2), 2.0);
    EXPECT_EQ(calc.host.Focus(), IDC_OPTIONS_CAPTION);
}

TEST_F(CommandListTest, FactorKeepsThePickedTextOtherGroupsShowTheirTitle) {
    SetCurrent(2, 2, {4, 1, 1, 3});
    calc.dlg.OnButton(IDC_FACTOR);
    calc.Pick("Factor:Cholesky");
    EXPECT_EQ(calc.commandList.Text(), "Factor:Cholesky");
    EXPECT_EQ(calc.host.Focus(), IDC_OPTIONS_CAPTION);

    calc.dlg.OnButton(IDC_TEST);
    calc.Pick("Rank");
    EXPECT_EQ(calc.commandList.Text(), "MATRIX TESTS");
}

TEST_F(CommandListTest, ProcWithoutCurrentMatrixLeavesTheList) {
    calc.dlg.OnButton(IDC_PROC);
    EXPECT_EQ(calc.commandList.Text(), "MATRIX TESTS");
    EXPECT_EQ(calc.host.Focus(), IDC_DISPLAY);
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
    calc.commandList.Pick("           Q2");  // typed, not a register row
    calc.dlg.OnCommandListClick();
    EXPECT_TRUE(std::filesystem::is_empty(std::filesystem::current_path()));
    EXPECT_EQ(calc.commandList.Text(), "    STORE");
}

TEST_F(CommandListTest, DisplayAndModeGroupsSwitchSettings) {
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
    calc.Pick("Hexidecimal");
    EXPECT_EQ(calc.dlg.Radix(), 16);
    calc.Pick("Engineering");
    EXPECT_EQ(calc.dlg.Radix(), 10);
    EXPECT_TRUE(calc.dlg.ExponentFlag());

    calc.dlg.OnButton(IDC_MODE);
    EXPECT_EQ(calc.commandList.Items().front(), "Real");
    calc.Pick("Complex");
    EXPECT_TRUE(calc.dlg.IsComplexMode());
    calc.Pick("Real");
    EXPECT_TRUE(calc.dlg.IsRealMode());
}

TEST_F(CommandListTest, CreatePickShowsTheSetState) {
    calc.dlg.OnButton(IDC_CREATE);
    EXPECT_TRUE(calc.commandList.DroppedDown());
    calc.Pick("Create Identity");
    EXPECT_EQ(calc.display.ForeColor(), kSetColor);
    EXPECT_EQ(calc.commandList.Text(), "CREATE MATRIX");
}

} // namespace
