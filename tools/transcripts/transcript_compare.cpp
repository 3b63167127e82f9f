#include "tools/transcripts/transcript_compare.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <sstream>
#include <vector>

namespace {

struct Token {
    bool number = false;
    std::string text;
    double value = 0;
};

bool IsWordChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
}

bool IsDigit(const std::string& s, std::size_t i) {
    return i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]));
}

// A word character just before `i` joins what follows to a word, except the
// letter of an escape such as \n in a quoted display text.
bool JoinsWordBefore(const std::string& line, std::size_t i) {
    if (i == 0) return false;
    const char before = line[i - 1];
    if (before == '.') return true;
    if (!IsWordChar(before)) return false;
    return !(std::isalpha(static_cast<unsigned char>(before)) && i >= 2 && line[i - 2] == '\\');
}

// The length of the number starting at `i`, or 0 where none stands there.
std::size_t NumberLength(const std::string& line, std::size_t i) {
    if (JoinsWordBefore(line, i)) return 0;
    std::size_t j = i;
    if (line[j] == '-' || line[j] == '+') {
        if (i > 0 && line[i - 1] == ')') return 0;
        ++j;
    }
    const std::size_t mantissa = j;
    while (IsDigit(line, j)) ++j;
    if (j < line.size() && line[j] == '.') {
        ++j;
        while (IsDigit(line, j)) ++j;
    }
    if (j == mantissa || (j == mantissa + 1 && line[mantissa] == '.')) return 0;
    if (j < line.size() && (line[j] == 'e' || line[j] == 'E')) {
        std::size_t k = j + 1;
        if (k < line.size() && (line[k] == '+' || line[k] == '-')) ++k;
        if (IsDigit(line, k)) {
            while (IsDigit(line, k)) ++k;
            j = k;
        }
    }
    if (j < line.size() && (IsWordChar(line[j]) || line[j] == '.')) return 0;
    return j - i;
}

std::vector<Token> Tokenize(const std::string& line) {
    std::vector<Token> tokens;
    auto addText = [&](char c) {
        if (tokens.empty() || tokens.back().number) tokens.push_back(Token{});
        tokens.back().text += c;
    };
    std::size_t i = 0;
    while (i < line.size()) {
        const std::size_t length = NumberLength(line, i);
        if (length > 0) {
            Token number{true, line.substr(i, length), 0};
            number.value = std::strtod(number.text.c_str(), nullptr);
            tokens.push_back(number);
            i += length;
            continue;
        }
        // A word is text as a whole, so that its digits never start a number.
        if (IsWordChar(line[i])) {
            while (i < line.size() && (IsWordChar(line[i]) || line[i] == '.')) addText(line[i++]);
        } else {
            addText(line[i++]);
        }
    }
    return tokens;
}

bool NumbersOnly(const std::vector<Token>& tokens) {
    bool any = false;
    for (const Token& t : tokens) {
        if (t.number) any = true;
        else if (t.text.find_first_not_of(" \t\r") != std::string::npos) return false;
    }
    return any;
}

// The exponent part (letter, sign and digit count) is the number's format.
std::string ExponentShape(const std::string& number) {
    const std::size_t e = number.find_first_of("eE");
    if (e == std::string::npos) return "";
    std::string shape(1, number[e]);
    std::size_t digits = number.size() - e - 1;
    if (e + 1 < number.size() && !std::isdigit(static_cast<unsigned char>(number[e + 1]))) {
        shape += number[e + 1];
        --digits;
    }
    return shape + std::to_string(digits);
}

std::string TrimSpaces(std::string text, bool front, bool back) {
    if (back) text.erase(text.find_last_not_of(' ') + 1);
    if (front) text.erase(0, std::min(text.size(), text.find_first_not_of(' ')));
    return text;
}

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    if (!text.empty() && text.back() != '\n') lines.back() += "\\ no newline at end";
    return lines;
}

std::string Describe(double value) {
    std::ostringstream out;
    out.precision(3);
    out << value;
    return out.str();
}

// Why two tokenized lines differ, or "" when they agree at `scale`.
std::string LineDifference(const std::vector<Token>& expected, const std::vector<Token>& actual,
                           double scale, double tolerance) {
    if (expected.size() != actual.size()) return "the text around the numbers differs";
    auto differsAsText = [&](std::size_t k) {
        return k < expected.size() && expected[k].number && expected[k].text != actual[k].text;
    };
    for (std::size_t k = 0; k < expected.size(); ++k) {
        const Token& e = expected[k];
        const Token& a = actual[k];
        if (e.number != a.number) return "a number stands where the other has text";
        if (!e.number) {
            const bool front = k > 0 && differsAsText(k - 1);
            const bool back = differsAsText(k + 1);
            if (TrimSpaces(e.text, front, back) != TrimSpaces(a.text, front, back))
                return "the text \"" + e.text + "\" became \"" + a.text + "\"";
            continue;
        }
        if (ExponentShape(e.text) != ExponentShape(a.text))
            return "the number format of " + e.text + " became " + a.text;
        const double gap = std::fabs(e.value - a.value);
        if (!(gap <= tolerance * scale))
            return "the number " + e.text + " became " + a.text + " (a difference of " + Describe(gap) +
                   ", allowed " + Describe(tolerance * scale) + ")";
    }
    return "";
}

double LargestMagnitude(const std::vector<Token>& tokens) {
    double largest = 0;
    for (const Token& t : tokens)
        if (t.number && std::isfinite(t.value)) largest = std::max(largest, std::fabs(t.value));
    return largest;
}

} // namespace

TranscriptDifference CompareTranscripts(const std::string& expected, const std::string& actual,
                                        double tolerance) {
    const std::vector<std::string> expectedLines = SplitLines(expected);
    const std::vector<std::string> actualLines = SplitLines(actual);
    const std::size_t common = std::min(expectedLines.size(), actualLines.size());

    std::vector<std::vector<Token>> expectedTokens(common), actualTokens(common);
    std::vector<double> scale(common, 0);
    for (std::size_t i = 0; i < common; ++i) {
        expectedTokens[i] = Tokenize(expectedLines[i]);
        actualTokens[i] = Tokenize(actualLines[i]);
        scale[i] = std::max(LargestMagnitude(expectedTokens[i]), LargestMagnitude(actualTokens[i]));
    }
    // A run of lines holding only numbers is one matrix with one scale.
    for (std::size_t i = 0; i < common;) {
        std::size_t end = i;
        while (end < common && NumbersOnly(expectedTokens[end]) && NumbersOnly(actualTokens[end])) ++end;
        if (end == i) {
            ++i;
            continue;
        }
        const double runScale = *std::max_element(scale.begin() + i, scale.begin() + end);
        std::fill(scale.begin() + i, scale.begin() + end, runScale);
        i = end;
    }

    for (std::size_t i = 0; i < common; ++i) {
        if (expectedLines[i] == actualLines[i]) continue;
        const std::string why = LineDifference(expectedTokens[i], actualTokens[i], scale[i], tolerance);
        if (!why.empty()) return {true, i + 1, expectedLines[i], actualLines[i], why};
    }
    if (expectedLines.size() == actualLines.size()) return {};
    TranscriptDifference difference{true, common + 1, "", "", ""};
    if (expectedLines.size() > common) {
        difference.expected = expectedLines[common];
        difference.reason = "the transcript ends early";
    } else {
        difference.actual = actualLines[common];
        difference.reason = "the transcript has more lines";
    }
    return difference;
}
