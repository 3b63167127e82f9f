// zenscript [--line-map MAP] [FILE]: runs calculator commands from FILE (or
// standard input) in the current directory and writes the transcript to
// standard output. With --line-map, MAP receives a line "SCRIPT TRANSCRIPT"
// after each script line: its number and how many transcript lines stand so
// far, so that a difference in a transcript can be traced to its command.

#include <algorithm>
#include <fstream>
#include <exception>
#include <iostream>
#include <memory>
#include <streambuf>
#include <string>

#include "platform/large_blocks.h"
#include "scripting/script_error.h"
#include "scripting/script_runner.h"

namespace {

constexpr int kFailed = 1;
constexpr int kScriptWrong = 2;

// Passes everything on to another buffer, counting the line breaks.
class LineCountingBuffer : public std::streambuf {
  public:
    explicit LineCountingBuffer(std::streambuf* target) : target_(target) {}
    long Lines() const { return lines_; }

  protected:
    int_type overflow(int_type c) override {
        if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
        if (traits_type::to_char_type(c) == '\n') ++lines_;
        return target_->sputc(traits_type::to_char_type(c));
    }
    std::streamsize xsputn(const char* s, std::streamsize n) override {
        lines_ += std::count(s, s + n, '\n');
        return target_->sputn(s, n);
    }
    int sync() override { return target_->pubsync(); }

  private:
    std::streambuf* target_;
    long lines_ = 0;
};

int Run(std::istream& script, std::ostream* lineMap) {
    std::unique_ptr<LineCountingBuffer> counter;
    std::unique_ptr<std::ostream> counted;
    if (lineMap) {
        counter = std::make_unique<LineCountingBuffer>(std::cout.rdbuf());
        counted = std::make_unique<std::ostream>(counter.get());
    }
    ScriptRunner runner(counted ? *counted : std::cout);
    std::string line;
    int number = 0;
    try {
        while (std::getline(script, line)) {
            ++number;
            if (!line.empty() && line.back() == '\r') line.pop_back();
            runner.RunLine(line);
            if (lineMap) *lineMap << number << ' ' << counter->Lines() << '\n';
        }
        runner.Finish();
    } catch (const ScriptError& error) {
        std::cout.flush();
        std::cerr << "zenscript: line " << number << ": " << error.message << '\n';
        return kScriptWrong;
    } catch (const std::exception& error) {
        std::cout.flush();
        std::cerr << "zenscript: line " << number << ": " << error.what() << '\n';
        return kFailed;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    KeepLargeBlocksForReuse();
    std::ofstream lineMap;
    int first = 1;
    if (argc > 2 && std::string(argv[1]) == "--line-map") {
        lineMap.open(argv[2]);
        if (!lineMap) {
            std::cerr << "zenscript: cannot write " << argv[2] << '\n';
            return kScriptWrong;
        }
        first = 3;
    }
    if (argc > first + 1) {
        std::cerr << "usage: zenscript [--line-map MAP] [FILE]\n";
        return kScriptWrong;
    }
    std::ostream* map = lineMap.is_open() ? &lineMap : nullptr;
    if (argc == first) return Run(std::cin, map);
    std::ifstream file(argv[first], std::ios::binary);
    if (!file) {
        std::cerr << "zenscript: cannot read " << argv[first] << '\n';
        return kScriptWrong;
    }
    return Run(file, map);
}
