// Random lines of operators, names, numbers, parentheses, long words, deep
// nesting and stray bytes, with fixed seeds: every line must be answered and
// the run must reach the save question. Meant for the sanitizer build too.

#include "eval_test_support.h"

#include <algorithm>
#include <random>
#include <string>

namespace {

const char* const kWords[] = {
    "A",   "B",    "C",      "S",      "V",      "E",     "AB",   "Q",   "a",    "b",   "x",
    "zz",  "sin",  "inv",    "det",    "adj",    "trans", "rref", "luu", "lul",  "dec", "0",
    "1",   "2",    "rowvec", "colvec", "norm",   "trace", "sqrt", "ln",  "flip", "-1",  "0.5",
    "3.7", "flop", "1e308",  "2.5e",   "1e-320", "12ab",  ".5",   "#",   "\t",   "="};

std::string RandomLine(std::mt19937& random) {
    const auto pick = [&](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    std::string line;
    if (pick(0, 50) == 0) {
        for (int i = pick(0, 300); i > 0; --i)
            line += static_cast<char>(pick(1, 255));
        std::replace(line.begin(), line.end(), '\n', ' ');
    }
    for (int i = pick(0, 12); i > 0; --i) {
        const int kind = pick(0, 9);
        if (kind < 3)
            line += kWords[pick(0, static_cast<int>(std::size(kWords)) - 1)];
        else if (kind < 6)
            line += "+-*/%^=()"[pick(0, 8)];
        else if (kind == 6)
            line += std::to_string(pick(-20, 20));
        else if (kind == 7)
            line += std::string(pick(0, 20) == 0 ? pick(200, 400) : pick(1, 5), '(');
        else if (kind == 8 && pick(0, 20) != 0)
            line += std::string(pick(1, 5), ')');
        else if (kind == 8)
            line += std::string(1, "AaZ9"[pick(0, 3)]).append(150, 'k');
        else
            for (int j = pick(1, 40), k = 0; k < j; ++k)
                line.append(k ? "^" : "2^").append(std::to_string(pick(-3, 3)));
        if (pick(0, 2) != 0) line += ' ';
    }
    // A leading blank keeps lines that would end the loop or open the help
    // pages ordinary expressions.
    for (const char* command : {"qu", "ex", "hel"})
        if (line.starts_with(command)) line = std::string(" ").append(line);
    return line;
}

} // namespace

TEST(RandomLines, EveryLineIsAnswered) {
    ScratchDirectory folder;
    WriteRegister(folder.path / "RegA", 2, 2, {1, 2, 3, 4});
    WriteRegister(folder.path / "RegB", 2, 3, {1, 2, 3, 4, 5, 6});
    WriteRegister(folder.path / "RegC", 3, 3, {2, 0, 1, 1, 3, 0, 0, 1, 4});
    WriteRegister(folder.path / "RegS", 2, 2, {1, 2, 2, 4});
    WriteRegister(folder.path / "RegV", 1, 3, {1, -1, 0});
    WriteRegister(folder.path / "RegE", 0, 0, {});
    WriteRegister(folder.path / "RegAB", 1, 1, {42});
    for (unsigned seed : {1u, 2u, 3u, 20261206u}) {
        std::mt19937 random(seed);
        const int lines = 1500;
        std::string input;
        for (int i = 0; i < lines; ++i)
            input += RandomLine(random) + "\n";
        const std::string out = RunWhole(folder.path, input + "quit\nn\n");
        std::size_t prompts = 0;
        for (std::size_t at = out.find(kPrompt); at != std::string::npos;
             at = out.find(kPrompt, at + 1))
            ++prompts;
        EXPECT_EQ(prompts, static_cast<std::size_t>(lines) + 1) << "seed " << seed;
        EXPECT_TRUE(out.ends_with("\nDo you wish to save your work (y/n) ?")) << "seed " << seed;
    }
}
