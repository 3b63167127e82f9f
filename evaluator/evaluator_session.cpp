#include "evaluator/evaluator_session.h"

#include "evaluator/console_texts.h"
#include "evaluator/eval_errors.h"
#include "evaluator/evaluator_variables.h"
#include "evaluator/expression_parser.h"
#include "evaluator/leading_number.h"
#include "evaluator/line_input.h"

#include <cstdio>
#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace {

constexpr int kDefaultDigits = 4;
// More decimals than this say nothing about a double; the bound also keeps
// a typed "dec 1e9" from asking for a gigabyte per number.
constexpr int kMaxDigits = 100;

bool StartsWith(const std::string& line, const char* prefix) {
    return line.rfind(prefix, 0) == 0;
}

// "dec" lines: the decimals are the number that starts at the first digit
// anywhere in the line. Without a digit they stay as they were.
void SetDecimals(const std::string& line, std::ostream& out, int& digits) {
    const std::size_t first = line.find_first_of("0123456789");
    if (first == std::string::npos) {
        out << digits << "\n";
        return;
    }
    out << line.substr(first) << "\n";
    const double value = ReadLeadingNumber(std::string_view(line).substr(first));
    digits = value > kMaxDigits ? kMaxDigits : static_cast<int>(value);
}

void SaveRegisters(const CEvaluatorVariables& variables, std::ostream& out) {
    for (const std::string& file : variables.SaveAll()) {
        out << "\n" << ErrorLine(UnableToOpenFile) << " " << file;
    }
}

} // namespace

void PrintResult(std::ostream& out, const NEWMAT::Matrix& M, int digits) {
    std::string text;
    std::vector<char> buffer(64);
    for (int r = 1; r <= M.Nrows(); ++r) {
        for (int c = 1; c <= M.Ncols(); ++c) {
            int length = std::snprintf(buffer.data(), buffer.size(), "%.*f  ", digits, M(r, c));
            if (length >= static_cast<int>(buffer.size())) {
                buffer.resize(length + 1);
                length = std::snprintf(buffer.data(), buffer.size(), "%.*f  ", digits, M(r, c));
            }
            text.append(buffer.data(), length);
        }
        text += '\n';
    }
    text += '\n';
    out << text;
}

int RunEvaluator(std::istream& in, std::ostream& out, const std::filesystem::path& folder) {
    CStreamLineInput input(in, out);
    return RunEvaluator(input, out, folder);
}

int RunEvaluator(CLineInput& input, std::ostream& out, const std::filesystem::path& folder) {
    int digits = kDefaultDigits;
    CEvaluatorVariables variables(folder);
    variables.LoadAll();
    NEWMAT::Matrix result(1, 1);
    result = -1.0;
    PrintBanner(out);

    CExpressionParser parser(variables, out);
    while (true) {
        const std::optional<std::string> typed = input.ReadLine("Enter expression: ");
        if (!typed) break;
        const std::string& line = *typed;
        if (StartsWith(line, "qu") || StartsWith(line, "ex")) break;
        if (StartsWith(line, "dec")) {
            SetDecimals(line, out, digits);
            continue;
        }
        if (StartsWith(line, "hel")) ShowHelp(input, out);
        const CExpressionParser::LineOutcome outcome = parser.EvaluateLine(line, result);
        for (EvalError code : outcome.errors)
            out << ErrorLine(code) << "\n";
        if (outcome.showResult) PrintResult(out, result, digits);
    }

    out << "\nDo you wish to save your work (y/n) ?" << std::flush;
    const int answer = input.ReadCharacter();
    if (answer == 'y' || answer == 'Y') SaveRegisters(variables, out);
    out << std::flush;
    return 0;
}
