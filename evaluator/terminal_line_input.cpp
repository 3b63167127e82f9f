#include "evaluator/line_input.h"

#include <editline/readline.h>

#include <cstdlib>
#include <ostream>

namespace {

// Enough to go back through a long session without growing without bound.
constexpr int kHistoryLines = 1000;

} // namespace

TerminalLineInput::TerminalLineInput(FILE* terminalIn, FILE* terminalOut, std::ostream& out)
    : in_(terminalIn), out_(out) {
    // The help pauses read single characters beside the line editor: an
    // unbuffered stream leaves the rest of a typed line to the next read.
    std::setvbuf(terminalIn, nullptr, _IONBF, 0);
    rl_instream = terminalIn;
    rl_outstream = terminalOut;
    using_history();
    stifle_history(kHistoryLines);
}

TerminalLineInput::~TerminalLineInput() {
    clear_history();
}

std::optional<std::string> TerminalLineInput::ReadLine(const std::string& prompt) {
    out_ << std::flush;
    char* typed = readline(prompt.c_str());
    if (!typed) return std::nullopt;
    std::string line = typed;
    std::free(typed);
    if (!line.empty()) add_history(line.c_str());
    return line;
}

int TerminalLineInput::ReadCharacter() {
    out_ << std::flush;
    return std::fgetc(in_);
}
