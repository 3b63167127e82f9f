#pragma once
// A scripted calculator in a scratch working directory of its own, with the
// helpers tests drive it by: buttons pressed by caption, keys typed, rows
// set, the transcript of what the host showed.

#include <gtest/gtest.h>
#include <newmat.h>

#include <initializer_list>
#include <sstream>
#include <string>
#include <vector>

#include "commands/buttons.h"
#include "scripting/scripted_calculator.h"
#include "tests/support/scratch_directory.h"

class CalculatorFixture : public ::testing::Test {
  protected:
    using ElementRows = std::vector<std::vector<double>>;

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

    // Makes the matrix current and shows it, as SE would.
    void SetCurrent(const NEWMAT::Matrix& m) {
        calc.dlg.SetCurrentMatrix(m);
        calc.dlg.EnterSetState();
        calc.dlg.ShowCurrentMatrix();
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

    // The current matrix, row by row.
    ElementRows CurrentRows() {
        const NEWMAT::Matrix m = calc.dlg.GetCurrentMatrix();
        ElementRows rows(m.Nrows());
        for (int i = 1; i <= m.Nrows(); ++i)
            for (int j = 1; j <= m.Ncols(); ++j)
                rows[i - 1].push_back(m(i, j));
        return rows;
    }

    ScratchDirectory scratch{ScratchDirectory::Enter};
    std::ostringstream transcript;
    ScriptedCalculator calc{transcript};
};
