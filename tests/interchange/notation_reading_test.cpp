#include "interchange/notation_reading.h"
#include "matrixtext/matrix_text.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

using Outcome = NotationReading::Outcome;

// The matrix SE makes of the converted text, row by row (dual layout in
// complex mode).
std::vector<double> ReadBack(const NotationReading& reading, bool complexMode, int& rows) {
    const EntryReading entry = ReadEntryText(reading.matrixText, complexMode);
    EXPECT_EQ(entry.fault.index, kEntryValid) << reading.matrixText;
    rows = entry.matrix.Nrows();
    return std::vector<double>(entry.matrix.Store(), entry.matrix.Store() + entry.matrix.Storage());
}

void ExpectRead(const std::string& text, bool complexMode, const char* notation, int rows,
                const std::vector<double>& elements) {
    SCOPED_TRACE(text);
    const NotationReading reading = ReadMatrixNotation(text, complexMode);
    ASSERT_EQ(reading.outcome, Outcome::Read) << "fault at " << reading.fault;
    EXPECT_EQ(reading.notation, notation);
    int readRows = 0;
    EXPECT_EQ(ReadBack(reading, complexMode, readRows), elements);
    EXPECT_EQ(readRows, rows);
}

void ExpectFault(const std::string& text, bool complexMode, std::size_t at) {
    SCOPED_TRACE(text);
    const NotationReading reading = ReadMatrixNotation(text, complexMode);
    ASSERT_EQ(reading.outcome, Outcome::Faulty);
    EXPECT_EQ(reading.fault, at) << "offending text: " << text.substr(reading.fault);
}

const std::vector<double> kTwoByTwo = {1, 2, 3, 4};

TEST(NotationReading, EveryNotationReadsTheSameRealMatrix) {
    const std::pair<const char*, std::string> texts[] = {
        {"LaTeX", "\\begin{bmatrix}\n1 & 2 \\\\\n3 & 4\n\\end{bmatrix}"},
        {"LaTeX", "$\\begin{pmatrix} 1 & 2 \\\\ 3 & 4 \\\\ \\end{pmatrix}$"},
        {"LaTeX", "\\[\\left[\\begin{array}{cc}\\hline 1 & 2 \\\\[2pt] 3 & 4\\end{array}\\right]\\]"},
        {"LaTeX", "\\begin{vmatrix}\\frac{2}{2} & 0.2 \\cdot 10^{1} \\\\ 3 & 4\\end{vmatrix}"},
        {"NumPy", "array([[1, 2], [3, 4]])"},
        {"NumPy", "np.array([[1., 2.],\n          [3., 4.]], dtype=np.float64)"},
        {"NumPy", "[[1, 2], [3, 4]]"},
        {"NumPy", "[[1. 2.]\n [3. 4.]]"},
        {"MATLAB", "[1 2; 3 4]"},
        {"MATLAB", "[1, 2; 3, 4];"},
        {"MATLAB", "[1 2\n 3 4]"},
        {"MATLAB", "[1 2 ... first row\n ; 3 4]"},
        {"Mathematica", "{{1, 2}, {3, 4}}"},
        {"Mathematica", "{{1., 0.2*^1},\n {3, 4}}"},
        {"CSV", "1,2\n3,4\n"},
        {"CSV", "a,b\n\"1\", 2\r\n3,\"4\"\r\n\r\n"},
        {"Markdown", "| a | b |\n|---|:--:|\n| 1 | 2 |\n| 3 | 4 |\n"},
        {"Markdown", "| 1 | 2 |\n|---|---|\n| 3 | 4 |"},
    };
    for (const auto& [notation, text] : texts) ExpectRead(text, false, notation, 2, kTwoByTwo);
}

TEST(NotationReading, SignsExponentsAndOneDimensionalLists) {
    ExpectRead("[-1.5e-3 +2E+2 .5 5.]", false, "MATLAB", 1, {-1.5e-3, 200, 0.5, 5});
    ExpectRead("{1.5*^-3, -2*^2}", false, "Mathematica", 1, {1.5e-3, -200});
    ExpectRead("\\begin{bmatrix}-\\frac{1}{4} & -1.5 \\times 10^{-3} & - 2\\end{bmatrix}", false, "LaTeX", 1,
               {-0.25, -1.5e-3, -2});
    ExpectRead("array([1.e-05, -2.5e+300])", false, "NumPy", 1, {1e-5, -2.5e300});
    // MATLAB reads "1 -2" as two elements; "3 - 4" is a subtraction.
    ExpectRead("[1 -2; 3 -4]", false, "MATLAB", 2, {1, -2, 3, -4});
}

TEST(NotationReading, ComplexElementsInComplexMode) {
    // 1+2i, 3-4i as the dual matrix [1 3 2 -4].
    const std::vector<double> dual = {1, 3, 2, -4};
    const char* const texts[][2] = {
        {"MATLAB", "[1+2i 3-4i]"},
        {"MATLAB", "[1 + 2i, 3 - 4j]"},
        {"NumPy", "array([[1.+2.j, 3.-4.j]])"},
        {"NumPy", "[[(1+2j), (3-4j)]]"},
        {"NumPy", "[[complex(1, 2), complex(3, -4)]]"},
        {"Mathematica", "{{1 + 2*I, 3 - 4 I}}"},
        {"Mathematica", "{{Complex[1, 2], Complex[3, -4]}}"},
        {"LaTeX", "\\begin{bmatrix} 1 + 2i & 3 - 4\\mathrm{i} \\end{bmatrix}"},
        {"CSV", "1+2j, 3-4j"},
        {"Markdown", "| | |\n|-|-|\n| 1+2i | 3-4i |"},
    };
    for (const auto& text : texts) ExpectRead(text[1], true, text[0], 1, dual);
    // Pure imaginary, unit alone, real elements and exponents in both parts.
    ExpectRead("[i -2j 5 1e-3-2.5e+1i]", true, "MATLAB", 1, {0, 0, 5, 1e-3, 1, -2, 0, -25});
    ExpectRead("{{-I, 2.5*^-1 + 1*^1*I}}", true, "Mathematica", 1, {0, 0.25, -1, 10});
}

TEST(NotationReading, RaggedRowsAndNonNumbersFaultAtTheFirstOffendingCharacter) {
    ExpectFault("[1 2; 3]", false, 7);
    ExpectFault("[1 2; 3 4 5]", false, 10);
    ExpectFault("[1 2; x 4]", false, 6);
    ExpectFault("[[1, 2], [3]]", false, 11);
    ExpectFault("{{1, 2}, {3, 4, 5}}", false, 16);
    ExpectFault("1,2\n3,x\n", false, 6);
    ExpectFault("1,2\n3\n", false, 5);
    ExpectFault("\\begin{bmatrix}1 & 2 \\\\ 3 & \\end{bmatrix}", false, 28);
    ExpectFault("| 1 | 2 |\n|---|---|\n| 3 |", false, 25);
    ExpectFault("[1e400 2]", false, 1);
    ExpectFault("[1 -2; 3 - 4]", false, 9);
    ExpectFault("\\begin{bmatrix}\\frac{1}{0}\\end{bmatrix}", false, 15);
    // A complex element in real mode: the fault is its imaginary part.
    ExpectFault("[1+2i 3]", false, 2);
    ExpectFault("[2i 3]", false, 2);
    // Unbalanced brackets, text after the matrix, empty matrices.
    ExpectFault("[[1, 2], [3, 4]", false, 15);
    ExpectFault("array([[1, 2]]) + 1", false, 16);
    ExpectFault("[]", false, 1);
}

TEST(NotationReading, DeepNestingIsAFaultNotARecursion) {
    ExpectFault("[" + std::string(1000000, '(') + "1]", true, 2);
    ExpectFault(std::string(1000000, '{') + "1", false, 2);
    ExpectFault(std::string(1000000, '[') + "1", false, 2);
}

TEST(NotationReading, TheCalculatorsTextExportReadsBack) {
    ExpectRead("1., 2.5, \r\n-3.e-002, 1.e+020, \r\n\r\n", false, "text export", 2, {1, 2.5, -0.03, 1e20});
    // In complex mode the exported dual layout [Re | Im] comes back as it was.
    ExpectRead("1., 3., 2., -4., \r\n\r\n", true, "text export", 1, {1, 3, 2, -4});
}

TEST(NotationReading, ValidMatrixTextIsNeverClaimed) {
    std::mt19937 random(28);
    const std::string alphabet = "0123456789.-+ e\r\n";
    const std::string complexAlphabet = "0123456789.-+ (),\r\n";
    int tried = 0;
    for (int round = 0; round < 20000; ++round) {
        const bool complexMode = round % 2 == 1;
        const std::string& letters = complexMode ? complexAlphabet : alphabet;
        std::string text(random() % 24, ' ');
        for (char& c : text) c = letters[random() % letters.size()];
        if (ReadEntryText(text, complexMode).fault.index != kEntryValid) continue;
        ++tried;
        EXPECT_EQ(ReadMatrixNotation(text, complexMode).outcome, Outcome::NotRecognised) << text;
    }
    EXPECT_GT(tried, 1000);
}

TEST(NotationReading, TextsWithoutANotationsMarksAreLeftToTheMatrixTextsError) {
    for (const char* text : {"1 2 x", "hello", "(1, 2", "1;2", "\\frac{1}{2}"})
        EXPECT_EQ(ReadMatrixNotation(text, true).outcome, Outcome::NotRecognised) << text;
}

TEST(NotationReading, ConvertedTextKeepsEveryDoubleExactly) {
    std::mt19937_64 random(5);
    std::uniform_real_distribution<double> mantissa(-1, 1);
    std::uniform_int_distribution<int> exponent(-320, 300);
    std::string text = "[";
    std::vector<double> values;
    for (int k = 0; k < 200; ++k) {
        values.push_back(std::ldexp(mantissa(random), 0) * std::pow(10.0, exponent(random)));
        char number[40];
        std::snprintf(number, sizeof number, "%.17g ", values.back());
        text += number;
    }
    text += "]";
    ExpectRead(text, false, "MATLAB", 1, values);
}

} // namespace
