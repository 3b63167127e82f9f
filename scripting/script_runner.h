#pragma once
// Runs zenscript commands, one line at a time, against a scripted calculator
// and writes the transcript.

#include <ostream>
#include <string>

#include "scripting/scripted_calculator.h"

class ScriptRunner {
  public:
    explicit ScriptRunner(std::ostream& transcript);

    // Runs one script line; blank lines and lines starting with # do nothing.
    // Throws ScriptError when the line is wrong or the calculator asks
    // something the script did not answer.
    void RunLine(const std::string& line);
    // Throws ScriptError when queued answers were never asked for.
    void Finish() const;

    ScriptedCalculator& Calculator() { return calculator_; }

  private:
    void ShowState();
    void ShowMatrix();

    std::ostream& out_;
    ScriptedCalculator calculator_;
};
