#include "eval_test_support.h"

#include "evaluator/evaluator_session.h"

#include <gtest/gtest.h>

#include <istream>
#include <ostream>
#include <streambuf>
#include <string>

namespace {

const std::string kPrompt = "Enter expression: ";

std::size_t Count(const std::string& text, const std::string& part) {
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++count;
    }
    return count;
}

// Output that reaches its reader only when flushed, as through a pipe.
class PipeOutput : public std::streambuf {
  public:
    std::string pending;
    std::string delivered;

  protected:
    int_type overflow(int_type c) override {
        if (c != traits_type::eof()) pending += traits_type::to_char_type(c);
        return c;
    }
    int sync() override {
        delivered += pending;
        pending.clear();
        return 0;
    }
};

// Input that hands out one character per read and notes every read made
// while written text was still held back.
class WatchingInput : public std::streambuf {
  public:
    WatchingInput(std::string text, const PipeOutput& output)
        : m_text(std::move(text)), m_output(output) {}
    int readsWithHeldOutput = 0;

  protected:
    int_type underflow() override {
        if (m_next >= m_text.size()) return traits_type::eof();
        if (!m_output.pending.empty()) ++readsWithHeldOutput;
        m_current = m_text[m_next++];
        setg(&m_current, &m_current, &m_current + 1);
        return traits_type::to_int_type(m_current);
    }

  private:
    std::string m_text;
    std::size_t m_next = 0;
    char m_current = 0;
    const PipeOutput& m_output;
};

class Session : public ::testing::Test {
  protected:
    std::string Run(const std::string& input) { return RunWhole(m_folder.Path(), input); }
    ScratchFolder m_folder;
};

} // namespace

TEST_F(Session, QuitAndExitAreTwoLetterPrefixes) {
    for (const char* word : {"quit", "qu", "queue", "exit", "ex", "exam"}) {
        EXPECT_EQ(Count(Run(std::string(word) + "\n7\n"), kPrompt), 1u) << word;
    }
    EXPECT_EQ(Count(Run("q\nQu\ne\nquit\n"), kPrompt), 4u);
}

TEST_F(Session, EndOfInputEndsTheLoopAndSavesNothing) {
    const std::string out = Run("x = 1\n2");
    EXPECT_TRUE(
        out.ends_with("2.0000  \n\n" + kPrompt + "\nDo you wish to save your work (y/n) ?"));
    EXPECT_FALSE(std::filesystem::exists(m_folder / "RegNum"));
}

TEST_F(Session, AbsurdDecimalCountsAreBounded) {
    const std::string out = Run("dec 99999999999\n1\ndec 1e999\n1\nquit\n");
    EXPECT_EQ(Count(out, "1." + std::string(100, '0') + "  \n"), 2u);
}

TEST_F(Session, CharactersTypedAtAHelpPauseAnswerTheNextPauses) {
    // 'a' answers the first pause, 'b' the second, the Return the last;
    // then "1" is read as the next line.
    const std::string out = Run("h = 6\nhelp\nab\n1\nquit\n");
    const std::string more = "\nPress Return for more . . .";
    const std::size_t title = out.find("Zentabl32 Expression Parsing Help");
    const std::size_t more1 = out.find(more);
    const std::size_t more2 = out.find(more, more1 + 1);
    const std::size_t last = out.find("\nPress Return to exit Help . . .");
    // 22 lines of 69 characters and a line end between the pauses.
    EXPECT_EQ(more1 - title, 22 * 70u);
    EXPECT_EQ(more2 - more1, more.size() + 22 * 70u);
    EXPECT_EQ(last - more2, more.size() + 2 * 70u);
    EXPECT_NE(out.find("numbers\n\n6.0000  \n\n" + kPrompt + "1.0000  \n\n"), std::string::npos);
    EXPECT_EQ(Count(out, kPrompt), 4u);
}

TEST(SessionThroughPipes, EverythingWrittenIsFlushedBeforeEachRead) {
    ScratchFolder folder;
    PipeOutput pipe;
    WatchingInput watching("1 + 1\nsin(0)\nhelp\n\n\n\nquit\ny", pipe);
    std::istream in(&watching);
    std::ostream out(&pipe);
    RunEvaluator(in, out, folder.Path());
    EXPECT_EQ(watching.readsWithHeldOutput, 0);
    EXPECT_TRUE(pipe.delivered.ends_with("(y/n) ?"));
}
