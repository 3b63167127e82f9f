#include "evaluator/evaluator_session.h"

#include "archive/register_names.h"
#include "evaluator/console_texts.h"
#include "evaluator/eval_errors.h"
#include "evaluator/evaluator_variables.h"
#include "evaluator/expression_parser.h"
#include "evaluator/leading_number.h"
#include "evaluator/line_input.h"

#include <myexcept.h>

#include <cstdio>
#include <istream>
#include <new>
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

// A register that could not be read at start-up and was not assigned is left
// on disk as it is; saving the empty register in its place would destroy it.
void SaveRegisters(const CEvaluatorVariables& variables, std::ostream& out) {
    for (const CEvaluatorVariables::Unsaved& file : variables.SaveAll()) {
        out << "\n";
        if (file.skipReason) {
            const std::string name = file.fileName.substr(sizeof kRegisterFilePrefix - 1);
            out << "Register " << name << " not saved: " << file.skipReason;
        } else {
            out << ErrorLine(UnableToOpenFile) << " " << file.fileName;
        }
    }
}

} // namespace

void PrintResult(std::ostream& out, const NEWMAT::Matrix& M, int digits) {
    std::string text;
    std::vector<char> buffer(64);
    // Counted from 0 with "<": a count of INT_MAX cannot overflow the counter.
    for (int r = 0; r < M.Nrows(); ++r) {
        for (int c = 0; c < M.Ncols(); ++c) {
            const double value = M.element(r, c);
            int length = std::snprintf(buffer.data(), buffer.size(), "%.*f  ", digits, value);
            if (length >= static_cast<int>(buffer.size())) {
                buffer.resize(length + 1);
                length = std::snprintf(buffer.data(), buffer.size(), "%.*f  ", digits, value);
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
        // Memory may also run out outside the operations: storing the value
        // in its variable, or writing a large result.
        try {
            const CExpressionParser::LineOutcome outcome = parser.EvaluateLine(line, result);
            for (EvalError code : outcome.errors)
                out << ErrorLine(code) << "\n";
            if (outcome.showResult) PrintResult(out, result, digits);
        } catch (const std::bad_alloc&) {
            out << "\n" << ErrorLine(NotEnoughMemory) << "\n";
        } catch (const RBD_COMMON::Bad_alloc&) {
            out << "\n" << ErrorLine(NotEnoughMemory) << "\n";
        }
    }

    out << "\nDo you wish to save your work (y/n) ?" << std::flush;
    const int answer = input.ReadCharacter();
    if (answer == 'y' || answer == 'Y') SaveRegisters(variables, out);
    out << std::flush;
    return 0;
}
