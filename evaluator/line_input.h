#pragma once
// Where the evaluator's typed lines come from: a plain stream (a pipe, a
// file, the calculator's console), or a terminal with line editing.

#include <cstdio>
#include <iosfwd>
#include <optional>
#include <string>

class LineInput {
  public:
    virtual ~LineInput() = default;
    // Shows the prompt and reads one line without its line end; nothing at
    // the end of the input.
    virtual std::optional<std::string> ReadLine(const std::string& prompt) = 0;
    // One character, for the help pauses and the save question; EOF at the
    // end of the input. Characters typed before Return stay for later reads.
    virtual int ReadCharacter() = 0;
};

// Reads `in` byte by byte as it comes; the prompt is written to `out`.
class StreamLineInput : public LineInput {
  public:
    StreamLineInput(std::istream& in, std::ostream& out) : in_(in), out_(out) {}
    std::optional<std::string> ReadLine(const std::string& prompt) override;
    int ReadCharacter() override;

  private:
    std::istream& in_;
    std::ostream& out_;
};

// A terminal: lines are edited in place (arrows, Home, End, erasing) and
// earlier lines come back with Up and Down. Everything the evaluator writes
// goes through `out`, which is flushed before each read.
class TerminalLineInput : public LineInput {
  public:
    TerminalLineInput(FILE* terminalIn, FILE* terminalOut, std::ostream& out);
    ~TerminalLineInput() override;
    TerminalLineInput(const TerminalLineInput&) = delete;
    TerminalLineInput& operator=(const TerminalLineInput&) = delete;

    std::optional<std::string> ReadLine(const std::string& prompt) override;
    int ReadCharacter() override;

  private:
    FILE* in_;
    std::ostream& out_;
};
