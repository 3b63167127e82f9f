#include "calculator/notation_entry.h"

#include <cctype>

#include "interchange/notation_reading.h"

namespace {

bool IsDigit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

// Whether a number in the text carries an exponent in any of the notations'
// forms: "2e-5", "2.E5", Mathematica's "2*^-5", LaTeX's "10^{-5}".
bool HoldsExponent(const std::string& text) {
    if (text.find("*^") != std::string::npos || text.find("10^") != std::string::npos) return true;
    for (std::size_t at = 1; at + 1 < text.size(); ++at) {
        if (text[at] != 'e' && text[at] != 'E') continue;
        if (!IsDigit(text[at - 1]) && text[at - 1] != '.') continue;
        std::size_t next = at + 1;
        if (text[next] == '+' || text[next] == '-') ++next;
        if (next < text.size() && IsDigit(text[next])) return true;
    }
    return false;
}

} // namespace

std::string ReadEntryInNotation(const std::string& text, bool complexMode, EntryReading& reading) {
    const NotationReading notation = ReadMatrixNotation(text, complexMode);
    switch (notation.outcome) {
    case NotationReading::Outcome::NotRecognised:
        return "";
    case NotationReading::Outcome::Faulty:
        reading.fault = EntryFault{kSyntaxError, notation.fault};
        return "";
    case NotationReading::Outcome::Read:
        break;
    }
    reading = ReadEntryText(notation.matrixText, complexMode);
    reading.exponent = HoldsExponent(text);
    return notation.notation;
}
