#include "evaluator/line_input.h"

#include <istream>
#include <ostream>

std::optional<std::string> CStreamLineInput::ReadLine(const std::string& prompt) {
    m_out << prompt << std::flush;
    std::string line;
    if (!std::getline(m_in, line)) return std::nullopt;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return line;
}

int CStreamLineInput::ReadCharacter() {
    return m_in.get();
}
