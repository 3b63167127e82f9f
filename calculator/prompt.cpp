// The prompt box asks for one value; an empty box gives 0, 0.0 or an empty
// text, a number followed by other characters gives the number, and Escape
// ends the command that asked.

#include <algorithm>
#include <climits>
#include <cstdlib>

#include "calculator/calculator_dlg.h"

std::string CCalculatorDlg::PromptText(const std::string& label) {
    std::optional<std::string> answer = host_.Prompt(label);
    if (!answer) throw PromptCancelled{};
    return *answer;
}

int CCalculatorDlg::PromptInt(const std::string& label) {
    // atoi, but a number beyond the int range gives the nearest int instead
    // of undefined behaviour.
    const long value = std::strtol(PromptText(label).c_str(), nullptr, 10);
    return static_cast<int>(std::clamp<long>(value, INT_MIN, INT_MAX));
}

double CCalculatorDlg::PromptReal(const std::string& label) {
    return std::atof(PromptText(label).c_str());
}
