// Lines typed at the evaluator and the answer to each: the error lines and
// the result, without the "op = " line of each function call. Identities
// are checked through the norm of their residual, so "0.0000" is below 5e-5.

#include "eval_test_support.h"

#include <string>
#include <vector>

namespace {

std::string Repeat(const std::string& part, int times) {
    std::string text;
    for (int i = 0; i < times; ++i)
        text += part;
    return text;
}

const std::string kZero = "0.0000  \n\n";
const std::string kUnbalanced = "Error: Unbalanced Parentheses\n-1.0000  \n\n";
const std::string kHundredDecimals = "1." + std::string(100, '0') + "  \n\n";

struct Case {
    std::string lines; // the answer checked is that to the last line
    std::string answer;
};

const std::vector<Case> kCases = {
    {"norm(inv(D) * D - D ^ 0)", kZero},
    {"norm(D / D - D ^ 0)", kZero},
    {"norm(D ^ -2 * D * D - D ^ 0)", kZero},
    {"norm(D ^ 5 - D * D * D * D * D)", kZero},
    {"det(D)", "25.0000  \n\n"},
    {"det(S)", kZero}, // singular: its determinant is 0, its inverse an error
    {"norm(adj(D) * D - det(D) * D ^ 0)", kZero},
    {"norm(det(D ^ 3) - det(D) ^ 3)", kZero},
    {"luu(D)", "2.0000  0.0000  1.0000  \n0.0000  3.0000  -0.5000  \n0.0000  0.0000  4.1667  \n\n"},
    {"norm(lul(D) * luu(D) - D)", kZero},
    {"log(1000) + ln(exp(2)) + deg(rad(30))", "35.0000  \n\n"},
    {"arcsin(1) + arcos(0) + cos(0) + tan(0)", "4.1416  \n\n"},
    // An assignment that meets an error anywhere in its line assigns
    // nothing and shows no result; other lines still show theirs.
    {"x = Q", "Error: Matrix Does Not Exist\n"},
    {"x = 5\nx = Q * 2\nx", "5.0000  \n\n"},
    {"x = 5\nx = 2 )\nx", "5.0000  \n\n"},
    {"D = A * Q", "Error: Matrix Does Not Exist\nError: Product not defined\n"},
    {"D = A * Q\ndet(D)", "25.0000  \n\n"},
    {"A = Q\ndet(A)", "-2.0000  \n\n"},
    {"1\nD = D / (D - D)", "Error: Singular Matrix\n"},
    {"1\nD = D / (D - D)\n", "Error: No Expression Present\n1.0000  \n\n"},
    {"A * Q", "Error: Matrix Does Not Exist\nError: Product not defined\n1.0000  2.0000  \n"
              "3.0000  4.0000  \n\n"},
    // Remainders are whole numbers, without a negative zero; a divisor that
    // truncates to 0 raises code 7 and keeps the left operand.
    {"-6 % 3", kZero},
    {"1e300 % 7", "1.0000  \n\n"},
    {"7 % 0.9", "Error: Singular Matrix\n7.0000  \n\n"},
    // Depth, length and size of the input are bounded.
    {Repeat("(", 256) + "5" + Repeat(")", 256), "5.0000  \n\n"},
    {Repeat("(", 100000) + "1", kUnbalanced},
    {Repeat("trans(", 1000), kUnbalanced},
    {"1" + Repeat(" ^ 2", 100000), "1.0000  \n\n"},
    {"S ^ 2000000000", "inf  inf  \ninf  inf  \n\n"},
    {std::string(200, 'L'), "7.0000  \n\n"}, // names are cut to 79 characters
    {"dec 99999999999\n1", kHundredDecimals},
    {"dec 1e999\n1", kHundredDecimals},
    // Words run to a blank or an operator; only lower-case words are functions.
    {"  A  +\tA   ", "2.0000  4.0000  \n6.0000  8.0000  \n\n"},
    {"s = 2\nsIN(0) + sine", "2.0000  \n\n"},
    {"SIN", "Error: Matrix Does Not Exist\n\n"},
    {"a = 3\na #b", "3.0000  \n\n"}, // a character that starts no token ends the line
    {"1.2.3 + 0x10", "1.2000  \n\n"},
    {"1e999", "inf  \n\n"},
};

std::string LastAnswer(const std::filesystem::path& folder, const std::string& lines) {
    const std::string out = RunWhole(folder, lines + "\nquit\n");
    const std::size_t end = out.rfind(kPrompt);
    const std::size_t begin = out.rfind(kPrompt, end - 1) + kPrompt.size();
    std::istringstream answer(out.substr(begin, end - begin));
    std::string line;
    std::string text;
    while (std::getline(answer, line)) {
        if (!line.starts_with("op = ")) text += line + "\n";
    }
    return text;
}

} // namespace

TEST(LineAnswers, EachLineGetsItsAnswer) {
    ScratchDirectory folder;
    WriteRegister(folder.path / "RegA", 2, 2, {1, 2, 3, 4});
    WriteRegister(folder.path / "RegD", 3, 3, {2, 0, 1, 1, 3, 0, 0, 1, 4});
    WriteRegister(folder.path / "RegS", 2, 2, {1, 2, 2, 4});
    WriteRegister(folder.path / ("Reg" + std::string(79, 'L')), 1, 1, {7});
    for (const Case& test : kCases) {
        EXPECT_EQ(LastAnswer(folder.path, test.lines), test.answer) << test.lines.substr(0, 80);
    }
}
