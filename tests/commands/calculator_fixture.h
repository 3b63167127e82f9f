#pragma once
// A scripted calculator in a fresh working directory of its own, so register
// files written by one test never reach another.

#include <gtest/gtest.h>
#include <newmat.h>

#include <filesystem>
#include <sstream>
#include <string>

#include "scripting/scripted_calculator.h"

class CalculatorFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        previous_ = std::filesystem::current_path();
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        directory_ = std::filesystem::temp_directory_path() /
                     (std::string("zt-") + info->test_suite_name() + "-" + info->name());
        std::filesystem::remove_all(directory_);
        std::filesystem::create_directories(directory_);
        std::filesystem::current_path(directory_);
    }
    void TearDown() override {
        std::filesystem::current_path(previous_);
        std::filesystem::remove_all(directory_);
    }

    // Makes the rows the current matrix and shows it, as SE would.
    void SetCurrent(int rows, int columns, std::initializer_list<double> elements) {
        NEWMAT::Matrix m(rows, columns);
        int i = 0;
        for (double value : elements)
            m(i / columns + 1, i % columns + 1) = value, ++i;
        calc.dlg.SetCurrentMatrix(m);
        calc.display.SetForeColor(kSetColor);
        calc.dlg.ShowCurrentMatrix();
    }

    // What the host wrote since the last call.
    std::string TakeTranscript() {
        std::string text = transcript.str();
        transcript.str("");
        return text;
    }

    std::ostringstream transcript;
    ScriptedCalculator calc{transcript};

  private:
    std::filesystem::path previous_;
    std::filesystem::path directory_;
};
