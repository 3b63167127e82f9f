#include <gtest/gtest.h>

#include <string>

#include "commands/command_dispatch.h"
#include "commands/menu_tables.h"
#include "tests/commands/calculator_fixture.h"

namespace {

using MenusTest = CalculatorFixture;

const PopupMenuItem& Item(const PopupMenu& menu, const char* text) {
    for (const PopupMenuItem& item : menu.items)
        if (item.text == text) return item;
    throw std::runtime_error(std::string("no item ") + text);
}

TEST(FormatMenuIds, EveryNumberedItemMapsBackToItsNumber) {
    const PopupMenu menu = FormatMenu(FormatCheck::Default);
    ASSERT_EQ(menu.items.size(), 5u);
    EXPECT_TRUE(menu.items[3].separator);
    const struct {
        int position;
        FormatChoice::Kind kind;
        int first;
        size_t count;
    } submenus[] = {{1, FormatChoice::Kind::Fixed, 1, 16},
                    {2, FormatChoice::Kind::Exponential, 1, 16},
                    {4, FormatChoice::Kind::Truncate, 0, 13}};
    for (const auto& expected : submenus) {
        const PopupMenuItem& submenu = menu.items[expected.position];
        ASSERT_EQ(submenu.submenu.size(), expected.count) << submenu.text;
        for (const PopupMenuItem& item : submenu.submenu) {
            const auto choice = FormatChoiceForId(item.id);
            ASSERT_TRUE(choice) << item.id;
            EXPECT_EQ(choice->kind, expected.kind) << item.id;
            EXPECT_EQ(std::to_string(choice->digits), item.text) << item.id;
        }
    }
    EXPECT_EQ(menu.items[1].submenu[12].id, 32821); // "13" after the gap
    EXPECT_EQ(menu.items[2].submenu[15].id, 32828);
    EXPECT_EQ(menu.items[4].submenu[9].id, 32842);
    EXPECT_FALSE(FormatChoiceForId(32796)); // a constant
    EXPECT_FALSE(FormatChoiceForId(32829)); // Edit > Undo
}

TEST_F(MenusTest, FormatPopupChecksTheFormatInForce) {
    calc.ChooseMenuCommand(32774); // Exponential 3
    EXPECT_TRUE(calc.dlg.ExponentFlag());
    EXPECT_EQ(calc.dlg.Decimals(), 3);
    calc.dlg.OnButton(IDC_FORMAT);
    const PopupMenu& menu = *calc.host.LastPopupMenu();
    EXPECT_FALSE(menu.items[0].checked);
    EXPECT_FALSE(menu.items[1].checked);
    EXPECT_TRUE(menu.items[2].checked);

    calc.ChooseMenuCommand(32791); // Fixed 8
    EXPECT_EQ(calc.dlg.Decimals(), 8);
    calc.dlg.OnButton(IDC_FORMAT);
    EXPECT_TRUE(calc.host.LastPopupMenu()->items[1].checked);
    EXPECT_FALSE(calc.host.LastPopupMenu()->items[2].checked);
}

TEST_F(MenusTest, EditPopupGreysWhatCannotBeDone) {
    calc.dlg.OnDisplayMouseUp(2, 5, 5);
    const PopupMenu empty = *calc.host.LastPopupMenu();
    EXPECT_TRUE(Item(empty, "&Undo").greyed);
    EXPECT_TRUE(Item(empty, "Cu&t").greyed);
    EXPECT_TRUE(Item(empty, "&Copy").greyed);
    EXPECT_TRUE(Item(empty, "&Delete").greyed);
    EXPECT_TRUE(Item(empty, "Select &All").greyed);
    EXPECT_TRUE(Item(empty, "&Paste").greyed); // empty clipboard

    calc.PasteIntoEmptyDisplay("1 2");
    calc.host.SetClipboard("9");
    calc.display.SetSelStart(0);
    calc.display.SetSelLength(calc.display.TextLength());
    calc.dlg.OnDisplayMouseUp(2, 5, 5);
    const PopupMenu all = *calc.host.LastPopupMenu();
    EXPECT_FALSE(Item(all, "Cu&t").greyed);
    EXPECT_FALSE(Item(all, "&Copy").greyed);
    EXPECT_FALSE(Item(all, "&Delete").greyed);
    EXPECT_FALSE(Item(all, "&Paste").greyed);
    EXPECT_TRUE(Item(all, "Select &All").greyed);
    EXPECT_TRUE(Item(all, "&Undo").greyed);
    EXPECT_EQ(calc.display.ForeColor(), kEditingColor);
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

TEST(ToolTips, ButtonsHaveTextsOtherControlsNone) {
    EXPECT_STREQ(ToolTipText(1029), "Digit"); // "7"
    EXPECT_STREQ(ToolTipText(1032), "Digit"); // "0"
    EXPECT_STREQ(ToolTipText(1033), "Backspace");
    EXPECT_STREQ(ToolTipText(1065), "Equals Result");
    EXPECT_STREQ(ToolTipText(1009), "Put Matrix Here");
    EXPECT_EQ(ToolTipText(1011), nullptr); // the Width box
    EXPECT_EQ(ToolTipText(1013), nullptr); // a spin button
    EXPECT_EQ(ToolTipText(1004), nullptr); // a caption
}

} // namespace
