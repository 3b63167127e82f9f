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
std::vector<int> MenuIds() {
    std::vector<int> ids;
    for (const auto& [first, last] : {std::pair{32771, 32795}, {32812, 32834}, {32842, 32845}})
        for (int id = first; id <= last; ++id)
            ids.push_back(id);
    return ids;
}

class RandomDriver {
  public:
    explicit RandomDriver(unsigned seed) : random_(seed), calc_(sink_) {
        calc_.host.Improvise({[this] { return Chance(2); },
                              [this]() -> std::optional<std::string> {
                                  static const char* const inputs[] = {
                                      "", "0", "1", "2", "3", "-1", "17", "2.5", "abc", "300"};
                                  if (Chance(8)) return std::nullopt;
                                  return inputs[Below(std::size(inputs))];
                              }});
    }

    // Runs one random action; returns a description for failure messages.
    std::string Step() {
        if (calc_.dlg.GetCurrentMatrix().Storage() > kLargestMatrix) calc_.dlg.OnButton(IDC_CE);
        const int kind = Below(100);
        try {
            if (kind < 32) return PressButton();
            if (kind < 44) return TypeKey();
            if (kind < 60) return EnterMatrix();
            if (kind < 75) return PickRow();
            if (kind < 83) return ChooseMenu();
            if (kind < 89) return MoveSpin();
            if (kind < 95) return MoveCaret();
            const int button = Chance(2) ? 1 : 2;
            calc_.dlg.OnDisplayMouseUp(button, Below(50), Below(50));
            return "mouse-up " + std::to_string(button);
        } catch (const ScriptError&) {
            return "refused by the script host"; // e.g. a greyed menu item
        }
    }

    ScriptedCalculator& Calculator() { return calc_; }

  private:
    int Below(std::size_t n) { return static_cast<int>(random_() % n); }
    bool Chance(int n) { return Below(n) == 0; }

    std::string PressButton() {
        const ButtonRow& button = CalculatorButtons()[Below(CalculatorButtons().size())];
        if (button.id == IDC_PARSE) return "skip Parse";
        calc_.dlg.OnButton(button.id);
        return std::string("press ") + button.caption;
    }

    std::string TypeKey() {
        const char key = kKeys[Below(sizeof kKeys - 1)];
        calc_.Type(key);
        return "type " + std::to_string(key);
    }

    // Types a small random matrix (pairs in complex mode) and presses SE.
    std::string EnterMatrix() {
        const int rows = 1 + Below(4);
        const int columns = 1 + Below(4);
        std::string text;
        for (int i = 0; i < rows; ++i) {
            for (int j = 0; j < columns; ++j) {
                const std::string number = std::to_string(Below(21) - 10);
                text += calc_.dlg.IsComplexMode() ? "(" + number + ", 1) " : number + " ";
            }
            text += '\n';
        }
        calc_.dlg.OnButton(IDC_CE);
        for (const char key : text)
            calc_.Type(key);
        calc_.dlg.OnButton(IDC_SE);
        return "matrix " + std::to_string(rows) + "x" + std::to_string(columns);
    }

    std::string PickRow() {
        const std::vector<std::string> items = calc_.commandList.Items();
        if (items.empty()) return "no rows";
        const std::string row = items[Below(items.size())];
        calc_.Pick(row);
        return "pick " + row;
    }

    std::string ChooseMenu() {
        static const std::vector<int> ids = MenuIds();
        if (Chance(4)) calc_.host.SetClipboard(Chance(2) ? "1 2\r\n3 4" : "(1, 2)");
        const int id = ids[Below(ids.size())];
        calc_.ChooseMenuCommand(id);
        return "menu " + std::to_string(id);
    }

    std::string MoveSpin() {
        const bool width = Chance(2);
        const int value = Below(34) - 3;
        (width ? calc_.widthSpin : calc_.decimalSpin).SetValue(value);
        calc_.dlg.OnSpinChange(width ? IDC_WIDTH_SPIN : IDC_DECIMAL_SPIN);
        return std::string("spin ") + (width ? "width " : "decimals ") + std::to_string(value);
    }

    std::string MoveCaret() {
        const int length = calc_.display.TextLength();
        calc_.display.SetSelStart(Below(length + 3) - 1);
        calc_.display.SetSelLength(Below(length + 2));
        return "select";
    }

    std::mt19937 random_;
    std::ostream sink_{nullptr};
    ScriptedCalculator calc_;
};

class RandomDriverTest : public ::testing::TestWithParam<unsigned> {
  protected:
    ScratchDirectory scratch{ScratchDirectory::Enter};
};

} // namespace

TEST_P(RandomDriverTest, NeverCrashesAndEntryFollowsTheDisplay) {
    RandomDriver driver(GetParam());
    ScriptedCalculator& calc = driver.Calculator();
    for (int step = 0; step < kSteps; ++step) {
        const std::string action = driver.Step();
        if (calc.dlg.KeyboardEntry()) {
            ASSERT_EQ(calc.dlg.EntryText(), calc.display.Text())
                << "seed " << GetParam() << " step " << step << ": " << action;
        }
        ASSERT_EQ(calc.host.WaitCursorDepth(), 0) << "step " << step << ": " << action;
    }
}

INSTANTIATE_TEST_SUITE_P(FixedSeeds, RandomDriverTest,
                         ::testing::Values(1u, 2u, 3u, 4u, 5u, 6u, 7u, 8u));
