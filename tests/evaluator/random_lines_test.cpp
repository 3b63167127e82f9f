// Random lines of operators, names, numbers, parentheses, long words and
// deep nesting, with fixed seeds: every line must be answered and the run
// must reach the save question. Meant to run under the sanitizer build too.

#include "eval_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

namespace {

class LineMaker {
  public:
    explicit LineMaker(unsigned seed) : m_random(seed) {}

    std::string Line() {
        std::string line;
        if (Pick(0, 50) == 0) {
            // Any byte but the line end.
            for (int i = Pick(0, 300); i > 0; --i)
                line += static_cast<char>(Pick(1, 255));
            std::replace(line.begin(), line.end(), '\n', ' ');
        }
        const int pieces = Pick(0, 12);
        for (int i = 0; i < pieces; ++i) {
            line += Piece();
            if (Pick(0, 2) != 0) line += ' ';
        }
        // Lines that would end the loop or open the help pages are fed with
        // a leading blank, which makes them ordinary expressions.
        for (const char* command : {"qu", "ex", "hel"}) {
            if (line.rfind(command, 0) == 0) {
                std::string blank = " ";
                line = blank.append(line);
            }
        }
        return line;
    }

  private:
    int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }

    std::string Piece() {
        static const char* const kWords[] = {
            "A",    "B",      "C",      "S",      "V",    "E",     "AB",   "Q",     "a",
            "b",    "x",      "zz",     "sin",    "inv",  "det",   "adj",  "trans", "rref",
            "luu",  "lul",    "rowvec", "colvec", "norm", "trace", "sqrt", "ln",    "flip",
            "flop", "dec",    "0",      "1",      "2",    "-1",    "0.5",  "3.7",   "1e308",
            "2.5e", "1e-320", "12ab",   ".5",     "#",    "\t",    "="};
        static const char kDelimiters[] = "+-*/%^=()";
        switch (Pick(0, 9)) {
        case 0:
        case 1:
        case 2:
            return kWords[Pick(0, static_cast<int>(std::size(kWords)) - 1)];
        case 3:
        case 4:
        case 5:
            return std::string(1, kDelimiters[Pick(0, 8)]);
        case 6:
            return std::to_string(Pick(-20, 20));
        case 7:
            if (Pick(0, 20) == 0) return std::string(Pick(200, 400), '(');
            return std::string(Pick(1, 5), '(');
        case 8:
            if (Pick(0, 20) == 0) {
                std::string word(1, "AaZ9"[Pick(0, 3)]);
                return word.append(150, 'k');
            }
            return std::string(Pick(1, 5), ')');
        default: {
            std::string chain = "2";
            for (int i = Pick(1, 40); i > 0; --i) {
                chain += '^';
                chain += std::to_string(Pick(-3, 3));
            }
            return chain;
        }
        }
    }

    std::mt19937 m_random;
};

std::size_t Count(const std::string& text, const std::string& part) {
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++count;
    }
    return count;
}

} // namespace

TEST(RandomLines, EveryLineIsAnswered) {
    ScratchFolder folder;
    WriteRegister(folder / "RegA", 2, 2, {1, 2, 3, 4});
    WriteRegister(folder / "RegB", 2, 3, {1, 2, 3, 4, 5, 6});
    WriteRegister(folder / "RegC", 3, 3, {2, 0, 1, 1, 3, 0, 0, 1, 4});
    WriteRegister(folder / "RegS", 2, 2, {1, 2, 2, 4});
    WriteRegister(folder / "RegV", 1, 3, {1, -1, 0});
    WriteRegister(folder / "RegE", 0, 0, {});
    WriteRegister(folder / "RegAB", 1, 1, {42});

    for (unsigned seed : {1u, 2u, 3u, 20261206u}) {
        LineMaker maker(seed);
        const int lines = 1500;
        std::string input;
        for (int i = 0; i < lines; ++i)
            input += maker.Line() + "\n";
        const std::string out = RunWhole(folder.Path(), input + "quit\nn\n");
        EXPECT_EQ(Count(out, "Enter expression: "), static_cast<std::size_t>(lines) + 1)
            << "seed " << seed;
        EXPECT_TRUE(out.ends_with("\nDo you wish to save your work (y/n) ?")) << "seed " << seed;
    }
}
