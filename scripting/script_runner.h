#pragma once
// Runs zenscript commands, one line at a time, against a scripted calculator
// and writes the transcript. Strings are in double quotes with C escapes.
//
//   press CAPTION ...         clicks buttons by caption: press 1 > 2 v 3 > 4 SE
//   type "TEXT"               keystrokes at the caret ("\n" is Enter, "\b" Backspace)
//   paste-file PATH           the file's text, as pasted into an empty display
//   pick "ROW"                picks the command-list row with exactly this text
//   store X, recall X         Store or Recall, then the row of register X (A-Z, t)
//   menu ID                   chooses a Format, Constants, Edit, File or Help command
//   spin width|decimals N     sets a spin button
//   caret POS, select POS N   sets the display's caret or selection
//   clipboard "TEXT"          puts text on the clipboard
//   mouse-up BUTTON           releases a mouse button over the display (2: right)
//   answer yes|no|ok          queues the button for the next message box
//   input "TEXT", input-escape   queues what the next prompt box gets
//   evaluator-input "TEXT"    queues the standard input of the next Parse
//   file-dialog "PATH", file-dialog-cancel   queues the next open or save dialog's answer
//   print "PATH", print-cancel   queues the next print dialog's answer (OK, printing
//                             to a file at PATH; "" is OK without a usable printer)
//   format fraction|default   chooses Format > Fraction or Default
//   copy-as NOTATION          Edit > Copy As: latex, numpy, matlab, matlab-line,
//                             mathematica, csv or markdown; the clipboard's lines
//                             are written as "clipboard" lines
//   import PATH, export PATH  File > Import or Export of that file, the kind by extension
//   show, show matrix         writes the state block or the current matrix
//   show steps                the kept steps: "step R2 <- R2 - 3/2*R1", then the matrix
//   show accuracy             the accuracy line of the last floating-point Inv, Div,
//                             Solve or Determinant ("" after an exact one)

#include <ostream>
#include <span>
#include <string>

#include "scripting/scripted_calculator.h"

class LineReader;

class ScriptRunner {
  public:
    explicit ScriptRunner(std::ostream& transcript);

    // Runs one script line; blank lines and lines starting with # do nothing.
    // Throws ScriptError when the line is wrong or the calculator asks
    // something the script did not answer.
    void RunLine(const std::string& line);
    // Throws ScriptError when queued answers were never asked for.
    void Finish() const;

  private:
    struct Verb;
    static std::span<const Verb> Verbs();
    void RunCommandLine(const std::string& line);
    // Store or Recall, then the row of the register named next on the line.
    void PickRegister(int button, LineReader& in);
    void ShowState();
    // A reading notice that a line brought is written as a "notice" line.
    void WriteNewNotice();
    void ShowMatrix();
    void ShowSteps();
    void ShowAccuracy();

    std::ostream& out_;
    ScriptedCalculator calculator_;
    std::string notice_;
};
