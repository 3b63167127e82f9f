#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>

#include "commands/command_dispatch.h"
#include "commands/menu_tables.h"
#include "tests/support/calculator_fixture.h"

namespace {

using MenusTest = CalculatorFixture;

// Every numbered item of the Format popup runs its own choice with its own
// number: a row wired to the wrong handler or a run of ids off by one shows.
TEST_F(MenusTest, EveryNumberedFormatItemRunsItsChoice) {
    calc.dlg.OnButton(IDC_FORMAT);
    const PopupMenu menu = *calc.host.LastPopupMenu();
    ASSERT_EQ(menu.items.size(), 5u);
    const struct {
        int position;
        NumberFormat format; // Default: the format stays, the digits are truncation digits
        size_t count;
    } submenus[] = {{1, NumberFormat::Fixed, 16},
                    {2, NumberFormat::Exponential, 16},
                    {4, NumberFormat::Default, 13}};
    for (const auto& expected : submenus) {
        const PopupMenuItem& submenu = menu.items[expected.position];
        ASSERT_EQ(submenu.submenu.size(), expected.count) << submenu.text;
        for (const PopupMenuItem& item : submenu.submenu) {
            SCOPED_TRACE(submenu.text + " " + item.text);
            calc.ChooseMenuCommand(ID_FORMAT_DEFAULT);
            calc.ChooseMenuCommand(item.id);
            const int number = std::stoi(item.text);
            EXPECT_EQ(calc.core.FormatInForce(), expected.format);
            // The popup checks Default, Fixed Point or Exponential as in force.
            calc.dlg.OnButton(IDC_FORMAT);
            for (int k = 0; k < 3; ++k)
                EXPECT_EQ(calc.host.LastPopupMenu()->items[k].checked, k == int(expected.format));
            if (expected.format == NumberFormat::Default) {
                EXPECT_EQ(calc.dlg.TruncationDigits(), number);
                EXPECT_EQ(calc.core.Decimals(), 2);
            } else {
                EXPECT_EQ(calc.core.Decimals(), number);
                EXPECT_EQ(calc.decimalBox.Text(), item.text);
                EXPECT_EQ(calc.core.ExponentFlag(), expected.format == NumberFormat::Exponential);
            }
        }
    }
}

// Each id belongs to one popup only, so choosing it runs one thing.
TEST_F(MenusTest, NoCommandIdIsUsedTwice) {
    std::set<int> seen;
    std::function<void(const std::vector<PopupMenuItem>&)> collect =
        [&](const std::vector<PopupMenuItem>& items) {
            for (const PopupMenuItem& item : items) {
                if (item.id != 0) {
                    EXPECT_TRUE(seen.insert(item.id).second) << item.id;
                }
                collect(item.submenu);
            }
        };
    for (const int resource : {IDR_FORMAT_MENU, IDR_CONSTANTS_MENU, IDR_EDIT_MENU, IDR_MENU_BAR})
        collect(BuildMenu(*FindMenu(resource), calc.core).items);
    // Copy As adds 7 items to the Edit popup, Import and Export 2 to File.
    EXPECT_EQ(seen.size(), 1u + 16 + 16 + 13 + 15 + 6 + 9 + 7 + 2);
}

TEST_F(MenusTest, GreyedEditItemsNeverRun) {
    calc.PasteIntoEmptyDisplay("1 2 3");
    DispatchMenuCommand(calc.dlg, ID_EDIT_UNDO); // nothing to undo yet
    EXPECT_EQ(calc.display.Text(), "1 2 3");

    calc.ChooseMenuCommand(ID_EDIT_SELECT_ALL);
    EXPECT_EQ(calc.display.SelLength(), 5);
    calc.display.SetSelStart(5);
    DispatchMenuCommand(calc.dlg, ID_EDIT_CUT);   // nothing selected
    DispatchMenuCommand(calc.dlg, ID_EDIT_PASTE); // empty clipboard
    EXPECT_EQ(calc.display.Text(), "1 2 3");
    EXPECT_EQ(calc.dlg.UndoCount(), 0);
}

} // namespace
