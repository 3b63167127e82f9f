#pragma once
// A scripted calculator in a scratch working directory of its own, with the
// helpers tests drive it by: a matrix typed and set, or set directly, and
// the transcript of what the host showed.

#include <gtest/gtest.h>
#include <newmat.h>

#include <initializer_list>
#include <sstream>
#include <string>

#include "commands/buttons.h"
#include "scripting/scripted_calculator.h"
#include "tests/support/scratch_directory.h"

class CalculatorFixture : public ::testing::Test {
  protected:
    // Types the text and presses SE.
    void Set(const std::string& text) {
        calc.dlg.OnButton(IDC_CE);
        for (const char key : text)
            calc.Type(key);
        calc.dlg.OnButton(IDC_SE);
    }

    // Makes the matrix current and shows it, as SE would.
    void SetCurrent(const NEWMAT::Matrix& m) {
        calc.core.SetCurrentMatrix(m);
        calc.core.EnterSetState();
        calc.core.ShowCurrentMatrix();
    }
    void SetCurrent(int rows, int columns, std::initializer_list<double> elements) {
        NEWMAT::Matrix m(rows, columns);
        int i = 0;
        for (double value : elements)
            m(i / columns + 1, i % columns + 1) = value, ++i;
        SetCurrent(m);
    }

    // What the host wrote since the last call.
    std::string TakeTranscript() {
        std::string text = transcript.str();
        transcript.str("");
        return text;
    }

    ScratchDirectory scratch{ScratchDirectory::Enter};
    std::ostringstream transcript;
    ScriptedCalculator calc{transcript};
};
