#include "eval_test_support.h"

#include <istream>
#include <ostream>
#include <streambuf>
#include <string>

namespace {

// Both ends of a pipe: written text reaches the reader only when flushed,
// and the input, handed out one character per read, counts the reads made
// while written text was still held back.
struct Pipe : std::streambuf {
    explicit Pipe(std::string text) : input(std::move(text)) {}
    int_type overflow(int_type c) override {
        if (c != traits_type::eof()) held += traits_type::to_char_type(c);
        return c;
    }
    int sync() override {
        delivered += held;
        held.clear();
        return 0;
    }
    int_type underflow() override {
        if (next >= input.size()) return traits_type::eof();
        if (!held.empty()) ++readsWhileHeld;
        current = input[next++];
        setg(&current, &current, &current + 1);
        return traits_type::to_int_type(current);
    }

    std::string input, held, delivered;
    std::size_t next = 0;
    char current = 0;
    int readsWhileHeld = 0;
};

} // namespace

TEST(Session, EverythingWrittenIsFlushedBeforeEachRead) {
    ScratchDirectory folder;
    Pipe pipe("1 + 1\nsin(0)\nhelp\n\n\n\nquit\ny");
    std::istream in(&pipe);
    std::ostream out(&pipe);
    RunEvaluator(in, out, folder.path);
    EXPECT_EQ(pipe.readsWhileHeld, 0);
    EXPECT_TRUE(pipe.delivered.ends_with("(y/n) ?"));
}

TEST(Session, AFileThatCannotBeReadIsLeftAloneAndTheRestSaved) {
    ScratchDirectory folder;
    std::filesystem::create_directory(folder.path / "RegQ");
    const std::string out = RunWhole(folder.path, "quit\ny\n");
    EXPECT_TRUE(out.ends_with("?\nRegister Q not saved: unreadable")) << out;
    EXPECT_TRUE(std::filesystem::is_directory(folder.path / "RegQ"));
    EXPECT_EQ(std::filesystem::file_size(folder.path / "RegZ"), 16u);
}
