#include "exact/steps_output.h"

#include "exact/fraction_text.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <sstream>

ShownMatrix ShowMatrix(const RationalMatrix& m) {
    ShownMatrix shown{m.Rows(), m.Columns(), {}};
    shown.cells.reserve(static_cast<std::size_t>(m.Rows()) * m.Columns());
    for (int i = 1; i <= m.Rows(); ++i)
        for (int j = 1; j <= m.Columns(); ++j)
            shown.cells.push_back(RationalText(m(i, j)));
    return shown;
}

ShownMatrix ShowMatrix(const NEWMAT::Matrix& m, const ElementText& element) {
    ShownMatrix shown{m.Nrows(), m.Ncols(), {}};
    shown.cells.reserve(static_cast<std::size_t>(m.Storage()));
    for (int k = 0; k < m.Storage(); ++k)
        shown.cells.push_back(element(m.Store()[k]));
    return shown;
}

std::vector<ShownStep> ShowSteps(const std::vector<ExactStep>& steps) {
    std::vector<ShownStep> shown;
    for (const ExactStep& step : steps)
        shown.push_back({OperationText(step.operation), ShowMatrix(step.after)});
    return shown;
}

std::vector<ShownStep> ShowSteps(const std::vector<FloatStep>& steps, const ElementText& element) {
    std::vector<ShownStep> shown;
    for (const FloatStep& step : steps)
        shown.push_back({OperationText(step.operation), ShowMatrix(step.after, element)});
    return shown;
}

namespace {

void AppendAlignedRows(std::string& text, const ShownMatrix& m, int width) {
    std::vector<std::size_t> widths(static_cast<std::size_t>(m.columns), 0);
    for (std::size_t k = 0; k < m.cells.size(); ++k)
        widths[k % widths.size()] = std::max(widths[k % widths.size()], m.cells[k].size());
    const std::string separator(static_cast<std::size_t>(std::max(width, 1)), ' ');
    for (int i = 0; i < m.rows; ++i) {
        for (int j = 0; j < m.columns; ++j) {
            const std::string& cell = m.cells[static_cast<std::size_t>(i) * m.columns + j];
            if (j > 0) text += separator;
            text.append(widths[j] - cell.size(), ' ');
            text += cell;
        }
        text += '\n';
    }
}

// A number as the Fraction or a decimal format wrote it, in LaTeX:
// "-3/2" as -\frac{3}{2}, "1.5e-007" as 1.5 \cdot 10^{-7}.
std::string LatexNumber(const std::string& number) {
    if (number == "inf") return "\\infty";
    if (number == "-inf") return "-\\infty";
    if (number == "nan") return "\\mathrm{NaN}";
    const std::size_t slash = number.find('/');
    if (slash != std::string::npos) {
        const bool negative = number[0] == '-';
        const std::size_t start = negative ? 1 : 0;
        return std::string(negative ? "-" : "") + "\\frac{" + number.substr(start, slash - start) +
               "}{" + number.substr(slash + 1) + "}";
    }
    const std::size_t mark = number.find_first_of("eE");
    if (mark == std::string::npos || mark == 0) return number;
    // Only a decimal exponent: a digit of another radix may be an "e".
    std::size_t digits = mark + 1;
    if (digits < number.size() && (number[digits] == '+' || number[digits] == '-')) ++digits;
    if (digits == number.size() ||
        !std::all_of(number.begin() + static_cast<long>(digits), number.end(),
                     [](char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }))
        return number;
    const long exponent = std::strtol(number.c_str() + mark + 1, nullptr, 10);
    return number.substr(0, mark) + " \\cdot 10^{" + std::to_string(exponent) + "}";
}

// "R12" as R_{12}; "R3..R5" as R_{3} \ldots R_{5}.
std::string LatexRows(const std::string& token) {
    std::string out;
    std::size_t i = 0;
    while (i < token.size()) {
        if ((token[i] == 'R' || token[i] == 'C') && i + 1 < token.size()) {
            std::size_t end = i + 1;
            while (end < token.size() && std::isdigit(static_cast<unsigned char>(token[end])))
                ++end;
            out += token[i];
            out += "_{" + token.substr(i + 1, end - i - 1) + "}";
            i = end;
        } else if (token.compare(i, 2, "..") == 0) {
            out += " \\ldots ";
            i += 2;
        } else {
            out += token[i++];
        }
    }
    return out;
}

// An operation's text in LaTeX, token by token.
std::string LatexOperation(const std::string& operation) {
    std::istringstream tokens(operation);
    std::string token;
    std::string out;
    while (tokens >> token) {
        if (!out.empty()) out += ' ';
        if (token == "<-") {
            out += "\\leftarrow";
        } else if (token == "<->") {
            out += "\\leftrightarrow";
        } else if (token == "in") {
            out += "\\text{in}";
        } else if (const std::size_t star = token.rfind('*'); star != std::string::npos) {
            out += LatexNumber(token.substr(0, star)) + "\\, " + LatexRows(token.substr(star + 1));
        } else if (token == "+" || token == "-" || token == "0") {
            out += token;
        } else {
            out += LatexRows(token);
        }
    }
    return out;
}

std::string LatexMatrix(const ShownMatrix& m) {
    std::string out = "\\begin{bmatrix}";
    for (int i = 0; i < m.rows; ++i) {
        out += i > 0 ? " \\\\ " : " ";
        for (int j = 0; j < m.columns; ++j) {
            if (j > 0) out += " & ";
            out += LatexNumber(m.cells[static_cast<std::size_t>(i) * m.columns + j]);
        }
    }
    return out + " \\end{bmatrix}";
}

} // namespace

std::string StepsText(const std::vector<ShownStep>& steps, int width) {
    std::string text;
    for (const ShownStep& step : steps) {
        text += "step " + step.operation + "\n";
        AppendAlignedRows(text, step.after, width);
    }
    return text;
}

std::string StepsLatex(const ShownMatrix& start, const std::vector<ShownStep>& steps) {
    std::string text = "\\begin{align*}\n  &" + LatexMatrix(start);
    for (const ShownStep& step : steps)
        text += " \\\\\n  \\xrightarrow{" + LatexOperation(step.operation) + "} &" +
                LatexMatrix(step.after);
    return text + "\n\\end{align*}\n";
}
