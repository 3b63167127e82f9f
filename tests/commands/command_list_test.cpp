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
// finds the first. Every row runs an operation exported under its text,
// but the register rows, which name their register.
TEST(CommandGroups, EveryRowRunsAndNoGroupRepeatsARowText) {
    int groups = 0;
    for (int kind = 0; kind <= 16; ++kind) {
        const CommandGroup* group = FindCommandGroup(kind);
        if (!group) continue;
        ++groups;
        std::set<std::string> texts;
        for (const char* row : group->rows) {
            EXPECT_TRUE(texts.insert(row).second) << kind << ": " << row;
            EXPECT_TRUE(group->runWithRowText || FindCommandOperation(row)) << kind << ": " << row;
        }
    }
    EXPECT_EQ(groups, 9);
}

TEST_F(CommandListTest, UnknownTextRunsNothing) {
    SetCurrent(1, 1, {-3});
    ShowCommandList(calc.dlg, Procedures);
    calc.commandList.Pick("Element:absolute"); // case matters
    calc.dlg.OnCommandListClick();
    EXPECT_EQ(calc.core.GetCurrentMatrix()(1, 1), -3.0);
    EXPECT_EQ(calc.commandList.Text(), "   PROCEDURES");
    EXPECT_EQ(TakeTranscript(), "");

    ShowCommandList(calc.dlg, Store);
    calc.commandList.Pick("           Q2"); // typed, not a register row
    calc.dlg.OnCommandListClick();
    EXPECT_TRUE(std::filesystem::is_empty(std::filesystem::current_path()));
    EXPECT_EQ(calc.commandList.Text(), "    STORE");
}

} // namespace
