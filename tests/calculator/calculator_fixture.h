#pragma once
// A scripted calculator in a fresh working directory of its own, so register
// files never leak between tests.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <initializer_list>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "calculator/control_ids.h"
#include "commands/buttons.h"
#include "scripting/scripted_calculator.h"

class ScratchDirectory {
  public:
    ScratchDirectory() {
        std::string pattern = (std::filesystem::temp_directory_path() / "zt-core-XXXXXX").string();
        path_ = mkdtemp(pattern.data());
        previous_ = std::filesystem::current_path();
        std::filesystem::current_path(path_);
    }
    ~ScratchDirectory() {
        std::filesystem::current_path(previous_);
        std::filesystem::remove_all(path_);
    }
    ScratchDirectory(const ScratchDirectory&) = delete;
    ScratchDirectory& operator=(const ScratchDirectory&) = delete;

  private:
    std::filesystem::path path_;
    std::filesystem::path previous_;
};

class CalculatorTest : public ::testing::Test {
  protected:
    void Press(std::initializer_list<const char*> captions) {
        for (const char* caption : captions) {
            const int id = ButtonIdForCaption(caption);
            ASSERT_NE(id, 0) << caption;
            calc.dlg.OnButton(id);
        }
    }

    void Type(const std::string& text) {
        for (const char key : text)
            calc.Type(key);
    }

    // Types the text and presses SE.
    void Set(const std::string& text) {
        Press({"CE"});
        Type(text);
        Press({"SE"});
    }

    // The transcript written since the last call.
    std::string Said() {
        const std::string text = transcript.str();
        transcript.str("");
        return text;
    }

    std::vector<std::vector<double>> Current() {
        const NEWMAT::Matrix m = calc.dlg.GetCurrentMatrix();
        std::vector<std::vector<double>> rows(m.Nrows());
        for (int i = 1; i <= m.Nrows(); ++i)
            for (int j = 1; j <= m.Ncols(); ++j)
                rows[i - 1].push_back(m(i, j));
        return rows;
    }

    using Rows = std::vector<std::vector<double>>;

    void ExpectCurrentNear(const Rows& expected, double tolerance = 1e-12) {
        const Rows actual = Current();
        ASSERT_EQ(actual.size(), expected.size());
        for (std::size_t i = 0; i < expected.size(); ++i) {
            ASSERT_EQ(actual[i].size(), expected[i].size()) << "row " << i;
            for (std::size_t j = 0; j < expected[i].size(); ++j)
                EXPECT_NEAR(actual[i][j], expected[i][j], tolerance) << i << "," << j;
        }
    }

    ScratchDirectory scratch;
    std::ostringstream transcript;
    ScriptedCalculator calc{transcript};
};
