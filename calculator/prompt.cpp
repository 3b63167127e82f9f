// The prompt box asks for one value; Escape and an empty box give 0, 0.0 or
// an empty text, and a number followed by other characters gives the number.

#include <algorithm>
#include <climits>
#include <cstdlib>

#include "calculator/calculator_dlg.h"

std::string CCalculatorDlg::PromptText(const std::string& label) {
    return host_.Prompt(label).value_or(std::string());
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
