// Drives the calculator with random buttons, keys, command-list picks, menu
// commands and answers (fixed seeds, so a failure repeats). It must never
// crash, and while keyboard entry is on the entry text must equal the display.

#include "tests/support/calculator_fixture.h"

#include <random>

#include "scripting/script_error.h"

namespace {

constexpr int kSteps = 3000;
constexpr int kLargestMatrix = 400; // elements; larger ones are cleared to keep steps quick
constexpr char kKeys[] = "0123456789 .,-()eE\n\b+0123456789  \n-x";
// Format, truncate and edit-popup commands: ranges of menu ids.
constexpr int kMenuRanges[][2] = {{32771, 32795}, {32812, 32834}, {32842, 32845}};

class RandomDriverTest : public CalculatorFixture, public ::testing::WithParamInterface<unsigned> {
  protected:
    RandomDriverTest() {
        calc.host.Improvise({[this] { return Chance(2); },
                             [this]() -> std::optional<std::string> {
                                 static const char* const inputs[] = {
                                     "", "0", "1", "2", "3", "-1", "17", "2.5", "abc", "300"};
                                 if (Chance(8)) return std::nullopt;
                                 return inputs[Below(std::size(inputs))];
                             }});
    }

    int Below(std::size_t n) { return static_cast<int>(random_() % n); }
    bool Chance(int n) { return Below(n) == 0; }

    // Runs one random action; returns a description for failure messages.
    std::string Step() {
        TakeTranscript();
        if (calc.core.GetCurrentMatrix().Storage() > kLargestMatrix) calc.dlg.OnButton(IDC_CE);
        const int kind = Below(100);
        try {
            if (kind < 32) {
                const ButtonRow& button = CalculatorButtons()[Below(CalculatorButtons().size())];
                if (button.id != IDC_PARSE) calc.dlg.OnButton(button.id);
                return std::string("press ") + button.caption;
            }
            if (kind < 44) {
                const char key = kKeys[Below(sizeof kKeys - 1)];
                calc.Type(key);
                return "type " + std::to_string(key);
            }
            if (kind < 60) return EnterMatrix();
            if (kind < 75) {
                const std::vector<std::string> items = calc.commandList.Items();
                if (items.empty()) return "no rows";
                const std::string row = items[Below(items.size())];
                calc.Pick(row);
                return "pick " + row;
            }
            if (kind < 83) {
                const auto& range = kMenuRanges[Below(std::size(kMenuRanges))];
                const int id = range[0] + Below(range[1] - range[0] + 1);
                if (Chance(4)) calc.host.SetClipboard(Chance(2) ? "1 2\r\n3 4" : "(1, 2)");
                calc.ChooseMenuCommand(id);
                return "menu " + std::to_string(id);
            }
            if (kind < 89) {
                const bool width = Chance(2);
                (width ? calc.widthSpin : calc.decimalSpin).SetValue(Below(34) - 3);
                calc.dlg.OnSpinChange(width ? IDC_WIDTH_SPIN : IDC_DECIMAL_SPIN);
                return width ? "spin width" : "spin decimals";
            }
            if (kind < 95) {
                const int length = calc.display.TextLength();
                calc.display.SetSelStart(Below(length + 3) - 1);
                calc.display.SetSelLength(Below(length + 2));
                return "select";
            }
            calc.dlg.OnDisplayMouseUp(Chance(2) ? 1 : 2, Below(50), Below(50));
            return "mouse-up";
        } catch (const ScriptError&) {
            return "refused by the script host"; // e.g. a greyed menu item
        }
    }

    // Types a small random matrix (pairs in complex mode) and presses SE.
    std::string EnterMatrix() {
        std::string text;
        const int columns = Below(4);
        for (int i = Below(4); i >= 0; --i, text += '\n')
            for (int j = columns; j >= 0; --j) {
                const std::string number = std::to_string(Below(21) - 10);
                text += calc.core.IsComplexMode() ? "(" + number + ", 1) " : number + " ";
            }
        Set(text);
        return "matrix " + text;
    }

    std::mt19937 random_{GetParam()};
};

} // namespace

TEST_P(RandomDriverTest, NeverCrashesAndEntryFollowsTheDisplay) {
    for (int step = 0; step < kSteps; ++step) {
        const std::string action = Step();
        if (calc.dlg.KeyboardEntry()) {
            ASSERT_EQ(calc.dlg.EntryText(), calc.display.Text())
                << "seed " << GetParam() << " step " << step << ": " << action;
        }
        ASSERT_EQ(calc.host.WaitCursorDepth(), 0) << "step " << step << ": " << action;
    }
}

INSTANTIATE_TEST_SUITE_P(FixedSeeds, RandomDriverTest,
                         ::testing::Values(1u, 2u, 3u, 4u, 5u, 6u, 7u, 8u));
