#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <tuple>

#include "commands/buttons.h"

namespace {

// Two keys on one place of the keypad would hide one of them in the window;
// two rows with one id or caption would make one of them unreachable.
TEST(ButtonRows, IdsCaptionsAndPlacesAreUnique) {
    std::set<int> ids;
    std::set<std::string> captions;
    std::set<std::tuple<KeyGroup, int, int>> cells;
    for (const ButtonRow& button : CalculatorButtons()) {
        SCOPED_TRACE(button.caption);
        EXPECT_TRUE(ids.insert(button.id).second);
        EXPECT_TRUE(captions.insert(button.caption).second);
        EXPECT_EQ(ButtonIdForCaption(button.caption), button.id);
        for (int span = 0; span < button.place.columnSpan; ++span)
            EXPECT_TRUE(
                cells.insert({button.place.group, button.place.row, button.place.column + span})
                    .second);
    }
    EXPECT_EQ(ButtonIdForCaption("Nope"), 0);
}

// Only the ten digits share a tip; any other repeat is a tip on the wrong key.
TEST(ButtonRows, EveryButtonHasATipOfItsOwn) {
    std::map<std::string, int> uses;
    for (const ButtonRow& button : CalculatorButtons()) {
        ASSERT_NE(ToolTipText(button.id), nullptr) << button.caption;
        ++uses[ToolTipText(button.id)];
    }
    for (const auto& [tip, count] : uses)
        EXPECT_EQ(count, tip == "Digit" ? 10 : 1) << tip;
    EXPECT_NE(ToolTipText(IDC_DISPLAY), nullptr);
    EXPECT_EQ(ToolTipText(IDC_WIDTH_BOX), nullptr);
}

} // namespace
