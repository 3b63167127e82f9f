#include "interchange/notation_writing.h"

#include <cmath>

namespace {

enum class ExponentStyle { AsFormatted, LatexPower, MathematicaPower };

struct Style {
    const char* open;
    const char* rowOpen;
    const char* separator;
    const char* rowClose;
    const char* rowBreak; // between two rows
    const char* close;
    ExponentStyle exponent;
    const char* infinity;
    const char* notANumber;
    const char* imaginaryUnit; // written after the imaginary part
    bool spacedSign;           // "1 + 2i" rather than "1+2i"
};

const Style& StyleOf(CopyNotation notation) {
    static const Style kLatex{"\\begin{bmatrix}\n", "", " & ", "", " \\\\\n", "\n\\end{bmatrix}",
                              ExponentStyle::LatexPower, "\\infty", "\\mathrm{NaN}", "i", true};
    static const Style kNumpy{"np.array([", "[", ", ", "]", ",\n          ", "])",
                              ExponentStyle::AsFormatted, "np.inf", "np.nan", "j", false};
    static const Style kMatlab{"[", "", " ", "", ";\n ", "]", ExponentStyle::AsFormatted, "Inf", "NaN", "i", false};
    static const Style kMatlabLine{"[", "", " ", "", "; ", "]", ExponentStyle::AsFormatted, "Inf", "NaN", "i", false};
    static const Style kMathematica{"{", "{", ", ", "}", ", ", "}", ExponentStyle::MathematicaPower,
                                    "Infinity", "Indeterminate", "*I", true};
    static const Style kCsv{"", "", ",", "", "\n", "\n", ExponentStyle::AsFormatted, "inf", "nan", "j", false};
    static const Style kMarkdown{"", "| ", " | ", " |", "\n", "\n", ExponentStyle::AsFormatted, "inf", "nan", "i", true};
    switch (notation) {
    case CopyNotation::Latex: return kLatex;
    case CopyNotation::Numpy: return kNumpy;
    case CopyNotation::Matlab: return kMatlab;
    case CopyNotation::MatlabLine: return kMatlabLine;
    case CopyNotation::Mathematica: return kMathematica;
    case CopyNotation::Csv: return kCsv;
    case CopyNotation::Markdown: break;
    }
    return kMarkdown;
}

std::string Trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// "1.5e-003" as "1.5 \cdot 10^{-3}" or "1.5*^-3".
std::string WithPower(const std::string& number, ExponentStyle style) {
    const std::size_t mark = number.find_first_of("eE");
    if (style == ExponentStyle::AsFormatted || mark == std::string::npos) return number;
    std::string exponent = number.substr(mark + 1);
    const bool negative = !exponent.empty() && exponent.front() == '-';
    if (!exponent.empty() && (exponent.front() == '-' || exponent.front() == '+')) exponent.erase(0, 1);
    const std::size_t firstDigit = exponent.find_first_not_of('0');
    exponent.erase(0, firstDigit == std::string::npos ? exponent.size() - 1 : firstDigit);
    std::string power = number.substr(0, mark);
    power += style == ExponentStyle::LatexPower ? " \\cdot 10^{" : "*^";
    if (negative) power += '-';
    power += exponent;
    if (style == ExponentStyle::LatexPower) power += '}';
    return power;
}

std::string NumberText(double value, const Style& style, const NumberFormatter& format) {
    if (std::isnan(value)) return style.notANumber;
    if (std::isinf(value)) {
        std::string word = value < 0 ? "-" : "";
        return word += style.infinity;
    }
    return WithPower(Trimmed(format(value)), style.exponent);
}

std::string ComplexText(double re, double im, const Style& style, const NumberFormatter& format) {
    std::string imaginary = NumberText(im, style, format);
    const bool negative = !imaginary.empty() && imaginary.front() == '-';
    if (negative) imaginary.erase(0, 1);
    const char* sign = negative ? (style.spacedSign ? " - " : "-") : (style.spacedSign ? " + " : "+");
    return NumberText(re, style, format) + sign + imaginary + style.imaginaryUnit;
}

std::string MarkdownHeader(int columns) {
    std::string header = "|";
    for (int j = 0; j < columns; ++j) header += "   |";
    header += "\n|";
    for (int j = 0; j < columns; ++j) header += "---|";
    return header + "\n";
}

} // namespace

std::optional<CopyNotation> CopyNotationNamed(std::string_view name) {
    static constexpr std::pair<std::string_view, CopyNotation> kNames[] = {
        {"latex", CopyNotation::Latex},         {"numpy", CopyNotation::Numpy},
        {"matlab", CopyNotation::Matlab},       {"matlab-line", CopyNotation::MatlabLine},
        {"mathematica", CopyNotation::Mathematica}, {"csv", CopyNotation::Csv},
        {"markdown", CopyNotation::Markdown},
    };
    for (const auto& [word, notation] : kNames) {
        if (word == name) return notation;
    }
    return std::nullopt;
}

std::string WriteMatrixAs(CopyNotation notation, const NEWMAT::Matrix& matrix, bool complexMode,
                          const NumberFormatter& format) {
    const int rows = matrix.Nrows();
    const int columns = complexMode ? matrix.Ncols() / 2 : matrix.Ncols();
    if (rows == 0 || columns == 0) return {};
    const Style& style = StyleOf(notation);
    std::string text = notation == CopyNotation::Markdown ? MarkdownHeader(columns) : style.open;
    for (int i = 1; i <= rows; ++i) {
        if (i > 1) text += style.rowBreak;
        text += style.rowOpen;
        for (int j = 1; j <= columns; ++j) {
            if (j > 1) text += style.separator;
            text += complexMode ? ComplexText(matrix(i, j), matrix(i, j + columns), style, format)
                                : NumberText(matrix(i, j), style, format);
        }
        text += style.rowClose;
    }
    return text + style.close;
}
