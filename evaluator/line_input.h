#pragma once
// Where the evaluator's typed lines come from: a plain stream (a pipe, a
// file, the calculator's console), or a terminal with line editing.

#include <cstdio>
#include <iosfwd>
#include <optional>
#include <string>

class CLineInput {
  public:
    virtual ~CLineInput() = default;
    // Shows the prompt and reads one line without its line end; nothing at
    // the end of the input.
    virtual std::optional<std::string> ReadLine(const std::string& prompt) = 0;
    // One character, for the help pauses and the save question; EOF at the
    // end of the input. Characters typed before Return stay for later reads.
    virtual int ReadCharacter() = 0;
};

// Reads `in` byte by byte as it comes; the prompt is written to `out`.
class CStreamLineInput : public CLineInput {
  public:
    CStreamLineInput(std::istream& in, std::ostream& out) : m_in(in), m_out(out) {}
    std::optional<std::string> ReadLine(const std::string& prompt) override;
    int ReadCharacter() override;

  private:
    std::istream& m_in;
    std::ostream& m_out;
};

// A terminal: lines are edited in place (arrows, Home, End, erasing) and
// earlier lines come back with Up and Down. Everything the evaluator writes
// goes through `out`, which is flushed before each read.
class CTerminalLineInput : public CLineInput {
  public:
    CTerminalLineInput(FILE* terminalIn, FILE* terminalOut, std::ostream& out);
    ~CTerminalLineInput() override;
    CTerminalLineInput(const CTerminalLineInput&) = delete;
    CTerminalLineInput& operator=(const CTerminalLineInput&) = delete;

    std::optional<std::string> ReadLine(const std::string& prompt) override;
    int ReadCharacter() override;

  private:
    FILE* m_in;
    std::ostream& m_out;
};
