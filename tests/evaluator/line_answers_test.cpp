// Lines far longer and deeper than any typed: the depth and length of the
// input are bounded, and the line after still gets its answer. The other
// answers are pinned by the golden run "answers".

#include "eval_test_support.h"

#include <string>

TEST(LineAnswers, HugeLinesAreAnswered) {
    ScratchDirectory folder;
    std::string chain = "1";
    for (int i = 0; i < 100000; ++i)
        chain += " ^ 2";
    const std::string out =
        RunWhole(folder.path, std::string(100000, '(') + "1\n" + chain + "\nquit\n");
    EXPECT_TRUE(out.ends_with(kPrompt + "Error: Unbalanced Parentheses\n-1.0000  \n\n" + kPrompt +
                              "1.0000  \n\n" + kPrompt + "\nDo you wish to save your work (y/n) ?"))
        << out.substr(out.size() - std::min<std::size_t>(out.size(), 300));
}
