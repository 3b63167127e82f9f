#include "eval_test_support.h"

#include "evaluator/evaluator_session.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

const std::string kBanner =
    " ==============================================================================\n"
    "                       Zentabl32 Expression Evaluator\n"
    " ==============================================================================\n"
    "  help=help, (ex)it=to exit, dec n=n decimal digits, A-Z=matrix, a-z=numbers\n\n";
const std::string kPrompt = "Enter expression: ";
const std::string kSaveQuestion = "\nDo you wish to save your work (y/n) ?";

std::size_t Count(const std::string& text, const std::string& part) {
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++count;
    }
    return count;
}

std::string Printed(const NEWMAT::Matrix& M, int digits) {
    std::ostringstream out;
    PrintResult(out, M, digits);
    return out.str();
}

class Session : public ::testing::Test {
protected:
    std::string Run(const std::string& input) { return RunWhole(m_folder.Path(), input); }
    ScratchFolder m_folder;
};

} // namespace

TEST_F(Session, AWholeRunFromStartToSaveQuestion) {
    EXPECT_EQ(Run("\n2 + 3\nquit\nn\n"),
              kBanner + kPrompt + "Error: No Expression Present\n-1.0000  \n\n" + kPrompt + "5.0000  \n\n" + kPrompt +
                  kSaveQuestion);
}

TEST_F(Session, ResultsPrintRowByRowWithTheDecimals) {
    NEWMAT::Matrix M(2, 3);
    M << 1 << -2.5 << 3 << 4 << 5 << 1e6;
    EXPECT_EQ(Printed(M, 2), "1.00  -2.50  3.00  \n4.00  5.00  1000000.00  \n\n");
    EXPECT_EQ(Printed(M.SubMatrix(1, 1, 1, 1), 0), "1  \n\n");
    EXPECT_EQ(Printed(NEWMAT::Matrix(), 4), "\n");
    NEWMAT::Matrix big(1, 1);
    big = 1e300;
    EXPECT_EQ(Printed(big, 100).size(), 301u + 1 + 100 + 2 + 2);
}

TEST_F(Session, QuitAndExitAreTwoLetterPrefixes) {
    for (const char* word : {"quit", "qu", "queue", "exit", "ex", "exam"}) {
        const std::string out = Run(std::string(word) + "\n7\n");
        EXPECT_EQ(Count(out, kPrompt), 1u) << word;
        EXPECT_EQ(out.find("7.0000"), std::string::npos) << word;
    }
    // "q" is a numeric variable and "Qu" a matrix that does not exist.
    EXPECT_EQ(Count(Run("q\nQu\nquit\n"), kPrompt), 3u);
    EXPECT_NE(Run("Qu\n").find("Error: Matrix Does Not Exist\n"), std::string::npos);
}

TEST_F(Session, EndOfInputEndsTheLoopAndSavesNothing) {
    const std::string out = Run("x = 1\n2");
    EXPECT_EQ(Count(out, kPrompt), 3u);
    EXPECT_NE(out.find("2.0000  \n\n" + kPrompt + kSaveQuestion), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(m_folder / "RegNum"));
}

TEST_F(Session, DecSetsTheDecimals) {
    const std::string out =
        Run("dec 2\n1\ndecimal 10 please\n1\ndec 0\n1\ndec\n1\ndec 2.7\n1\nquit\n");
    const std::string expected = kPrompt + "2\n" + kPrompt + "1.00  \n\n" +               //
                                 kPrompt + "10 please\n" + kPrompt + "1.0000000000  \n\n" + //
                                 kPrompt + "0\n" + kPrompt + "1  \n\n" +                  //
                                 kPrompt + "0\n" + kPrompt + "1  \n\n" + // no digit: kept
                                 kPrompt + "2.7\n" + kPrompt + "1.00  \n\n";
    EXPECT_EQ(out.substr(kBanner.size(), expected.size()), expected);

    // An absurd count is bounded instead of asking for gigabytes per number.
    EXPECT_NE(Run("dec 99999999999\n1\nquit\n").find("1." + std::string(100, '0') + "  \n"),
              std::string::npos);
}

TEST_F(Session, ErrorsArePrintedBeforeTheResult) {
    const std::string out = Run("7\n8 +\nsin(0)\nquit\n");
    EXPECT_NE(out.find(kPrompt + "Error: Syntax Error\nError: Incompatible Dimensions\n"
                                 "8.0000  \n\n"),
              std::string::npos);
    EXPECT_NE(out.find(kPrompt + "op = 1\n0.0000  \n\n"), std::string::npos);
}

TEST_F(Session, HelpPausesAfterEveryPageAndThenShowsH) {
    // "ab" typed at the first pause: 'a' answers it, 'b' the second pause,
    // the Return the last one; the next line is read normally.
    const std::string out = Run("h = 6\nhelp\nab\n1\nquit\n");
    const std::size_t more1 = out.find("\nPress Return for more . . .");
    const std::size_t more2 = out.find("\nPress Return for more . . .", more1 + 1);
    const std::size_t last = out.find("\nPress Return to exit Help . . .");
    ASSERT_NE(more1, std::string::npos);
    ASSERT_NE(more2, std::string::npos);
    ASSERT_NE(last, std::string::npos);
    const std::size_t title = out.find("Zentabl32 Expression Parsing Help");
    EXPECT_EQ(more1 - title, 22 * 70u);
    EXPECT_EQ(more2 - more1, 28 + 22 * 70u);
    EXPECT_EQ(last - more2, 28 + 2 * 70u);
    // Lines are padded to 69 characters and show "%" once.
    EXPECT_NE(out.find("\n     A % B - not allowed" + std::string(45, ' ') + "\n"),
              std::string::npos);
    std::string clearing;
    for (int i = 0; i < 24; ++i) clearing += std::string(60, ' ') + "\n";
    EXPECT_NE(out.find("\nPress Return to exit Help . . ." + clearing + kBanner +
                       "6.0000  \n\n" + kPrompt + "1.0000  \n\n"),
              std::string::npos);
    EXPECT_EQ(Count(out, kPrompt), 4u);
}
