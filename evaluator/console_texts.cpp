#include "evaluator/console_texts.h"

#include "evaluator/line_input.h"

#include <ostream>
#include <string>

namespace {

const char* const kHelpLines[] = {
    "Zentabl32 Expression Parsing Help",
    "=================================",
    "",
    " Parsing Keyboard Commands:",
    "   Matrix variables - must use upper case A - Z",
    "     use to call or assign a matrix",
    "   Numeric variables - must use lower case a - z",
    "     use to call or assign a number",
    "   System commands - must use lower case",
    "     'exit' or 'quit' - quit parsing and return to calculator",
    "     'dec n' - sets the display to 'n' decimal digits",
    "     'help' - displays this help screen",
    "   Arithmetic commands +  -  *  /  ^  %  =",
    "    Matrix variable commands:",
    "     A = B - assigns matrix B to matrix A",
    "     A + B - adds matrices A and B",
    "     A - B - subtracts matrix B from matrix A",
    "     A * B - matrix multiplies matrix A (on the left) and B",
    "     A / B - divides matrix A by matrix B (if B has an inverse)",
    "     A ^ 3 - calculates matrix A raised to the 3rd power",
    "     A ^ B - not allowed",
    "     A % B - not allowed",
    "",
    "    Numeric variable commands:",
    "     a + b - adds numbers a and b",
    "     a - b - subtracts number b from number a",
    "     a * b - multiplies number a times number b",
    "     a / b - divides number a by number b (not zero)",
    "     a ^ 2 - raises number a to the 2nd power",
    "     a ^ b - raises a to the integer b power (no decimals or negs)",
    "     a % b - modulus of a with respect to b",
    "   Mixed variable commands:",
    "     b * A - multiplies matrix A by scalar b",
    "     A ^ b - raises matrix A to the b (integer) power",
    "   Macro function commands - lower case",
    "     trans(M) - transposes matrix M",
    "     inv(M)   - inversion of matrix M",
    "     rref(M)  - finds row reduced eschelon form of M",
    "     flip(M)  - flips M left to right",
    "     flop(M)  - flops M top to bottom",
    "",
    "",
    "",
    "",
    "",
    "",
};

constexpr std::size_t kHelpLineWidth = 69;
constexpr int kLinesPerPage = 22;
constexpr int kClearingLines = 24;
constexpr std::size_t kClearingWidth = 60;

void ClearScreen(std::ostream& out) {
    const std::string blankLine(kClearingWidth, ' ');
    for (int i = 0; i < kClearingLines; ++i)
        out << blankLine << "\n";
}

void Pause(LineInput& input, std::ostream& out, const char* prompt) {
    out << prompt << std::flush;
    input.ReadCharacter();
}

} // namespace

void PrintBanner(std::ostream& out) {
    const std::string rule = " " + std::string(78, '=') + "\n";
    out << rule;
    out << "                       Zentabl32 Expression Evaluator\n";
    out << rule;
    out << "  help=help, (ex)it=to exit, dec n=n decimal digits, A-Z=matrix, a-z=numbers\n\n";
}

void ShowHelp(LineInput& input, std::ostream& out) {
    ClearScreen(out);
    int lineOnPage = 1;
    for (const char* line : kHelpLines) {
        std::string text = line;
        text.resize(kHelpLineWidth, ' ');
        out << text << "\n";
        if (++lineOnPage > kLinesPerPage) {
            Pause(input, out, "\nPress Return for more . . .");
            lineOnPage = 1;
        }
    }
    Pause(input, out, "\nPress Return to exit Help . . .");
    ClearScreen(out);
    PrintBanner(out);
}
