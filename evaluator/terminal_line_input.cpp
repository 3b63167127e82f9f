#include "evaluator/line_input.h"

#include <editline/readline.h>

#include <cstdlib>
#include <ostream>

namespace {

// Enough to go back through a long session without growing without bound.
constexpr int kHistoryLines = 1000;

} // namespace

CTerminalLineInput::CTerminalLineInput(FILE* terminalIn, FILE* terminalOut, std::ostream& out)
    : m_in(terminalIn), m_out(out) {
    // The help pauses read single characters beside the line editor: an
    // unbuffered stream leaves the rest of a typed line to the next read.
    std::setvbuf(terminalIn, nullptr, _IONBF, 0);
    rl_instream = terminalIn;
    rl_outstream = terminalOut;
    using_history();
    stifle_history(kHistoryLines);
}

CTerminalLineInput::~CTerminalLineInput() {
    clear_history();
}

std::optional<std::string> CTerminalLineInput::ReadLine(const std::string& prompt) {
    m_out << std::flush;
    char* typed = readline(prompt.c_str());
    if (!typed) return std::nullopt;
    std::string line = typed;
    std::free(typed);
    if (!line.empty()) add_history(line.c_str());
    return line;
}

int CTerminalLineInput::ReadCharacter() {
    m_out << std::flush;
    return std::fgetc(m_in);
}
