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

TEST_F(MenusTest, TruncateChangesTheStoredNumbers) {
    SetCurrent(1, 1, {1.23456789});
    calc.ChooseMenuCommand(32842 + 3); // Truncate 12
    EXPECT_EQ(calc.dlg.TruncationDigits(), 12);
    calc.ChooseMenuCommand(32812 + 2); // Truncate 2
    EXPECT_EQ(calc.dlg.TruncationDigits(), 2);
    EXPECT_NE(calc.dlg.GetCurrentMatrix()(1, 1), 1.23456789);
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

TEST_F(MenusTest, UndoSwapsTextAndGreyedItemsNeverRun) {
    calc.PasteIntoEmptyDisplay("1 2 3");
    DispatchMenuCommand(calc.dlg, ID_EDIT_UNDO); // greyed: nothing to undo
    EXPECT_EQ(calc.display.Text(), "1 2 3");

    calc.display.SetSelStart(4);
    calc.display.SetSelLength(1);
    calc.ChooseMenuCommand(ID_EDIT_CUT);
    EXPECT_EQ(calc.display.Text(), "1 2 ");
    EXPECT_EQ(calc.dlg.EntryText(), "1 2 ");
    calc.ChooseMenuCommand(ID_EDIT_UNDO);
    EXPECT_EQ(calc.display.Text(), "1 2 3");
    EXPECT_EQ(calc.dlg.EntryText(), "1 2 3");
    calc.ChooseMenuCommand(ID_EDIT_UNDO);
    EXPECT_EQ(calc.display.Text(), "1 2 ");

    calc.ChooseMenuCommand(ID_EDIT_SELECT_ALL);
    EXPECT_EQ(calc.display.SelLength(), 4);
    DispatchMenuCommand(calc.dlg, ID_EDIT_SELECT_ALL); // greyed now: no change
    EXPECT_EQ(calc.display.SelLength(), 4);
}

TEST_F(MenusTest, ConstantsAndMenuBarCarryTheirIds) {
    const PopupMenu constants = ConstantsMenu();
    ASSERT_EQ(constants.items.size(), 15u);
    EXPECT_EQ(constants.items.front().text, "pi");
    EXPECT_EQ(constants.items.back().id, 32809);

    const PopupMenu bar = MenuBar();
    ASSERT_EQ(bar.items.size(), 2u);
    EXPECT_EQ(bar.items[0].text, "File");
    EXPECT_EQ(bar.items[0].submenu.back().id, ID_APP_EXIT);
    EXPECT_EQ(bar.items[1].text, "Help");

    calc.ChooseMenuCommand(ID_HELP_CONTENTS);
    calc.ChooseMenuCommand(ID_HELP_ABOUT);
    calc.ChooseMenuCommand(ID_APP_EXIT);
    EXPECT_EQ(TakeTranscript(), "help 2510\nabout\nclose\n");
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
