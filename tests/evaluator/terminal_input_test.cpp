// The evaluator at a terminal: a pseudo-terminal stands in for the user's,
// keys are written into it, and lines come back through the line editor.

#include "eval_test_support.h"

#include "evaluator/line_input.h"

#include <cstdio>
#include <pty.h>
#include <unistd.h>

namespace {

struct PseudoTerminal {
    PseudoTerminal() {
        winsize size{};
        size.ws_row = 24;
        size.ws_col = 80;
        int slave = -1;
        if (openpty(&master, &slave, nullptr, nullptr, &size) != 0) return;
        in = fdopen(slave, "r");
        out = fdopen(dup(slave), "w");
    }
    ~PseudoTerminal() {
        if (in) std::fclose(in);
        if (out) std::fclose(out);
        if (master >= 0) close(master);
    }
    void Type(const std::string& keys) const {
        ASSERT_EQ(write(master, keys.data(), keys.size()), static_cast<ssize_t>(keys.size()));
    }

    int master = -1;
    FILE* in = nullptr;
    FILE* out = nullptr;
};

std::size_t Count(const std::string& text, const std::string& part) {
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

} // namespace

TEST(TerminalInput, UpRecallsAnEarlierLineAndLeftEditsIt) {
    ScratchDirectory folder;
    PseudoTerminal terminal;
    ASSERT_TRUE(terminal.in && terminal.out);
    setenv("TERM", "xterm", 1);
    // 6 * 7; Up brings it back; Up again, Left and 1 make it 6 * 17;
    // the save question is answered n.
    terminal.Type("6 * 7\r\x1b[A\r\x1b[A\x1b[D1\rquit\rn");
    std::ostringstream out;
    {
        TerminalLineInput input(terminal.in, terminal.out, out);
        EXPECT_EQ(RunEvaluator(input, out, folder.path), 0);
    }
    const std::string answers = out.str();
    EXPECT_EQ(Count(answers, "42.0000"), 2u) << answers;
    EXPECT_EQ(Count(answers, "102.0000"), 1u) << answers;
    EXPECT_FALSE(std::filesystem::exists(folder.path / "RegA"));
}
