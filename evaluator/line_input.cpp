#include "evaluator/line_input.h"

#include <istream>
#include <ostream>

std::optional<std::string> StreamLineInput::ReadLine(const std::string& prompt) {
    out_ << prompt << std::flush;
    std::string line;
    if (!std::getline(in_, line)) return std::nullopt;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return line;
}

int StreamLineInput::ReadCharacter() {
    return in_.get();
}
