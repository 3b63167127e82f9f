// zenscript [FILE]: runs calculator commands from FILE (or standard input)
// in the current directory and writes the transcript to standard output.

#include <fstream>
#include <exception>
#include <iostream>
#include <string>

#include "platform/large_blocks.h"
#include "scripting/script_error.h"
#include "scripting/script_runner.h"

namespace {

constexpr int kFailed = 1;
constexpr int kScriptWrong = 2;

int Run(std::istream& script) {
    ScriptRunner runner(std::cout);
    std::string line;
    int number = 0;
    try {
        while (std::getline(script, line)) {
            ++number;
            if (!line.empty() && line.back() == '\r') line.pop_back();
            runner.RunLine(line);
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
    if (argc > 2) {
        std::cerr << "usage: zenscript [FILE]\n";
        return kScriptWrong;
    }
    if (argc == 1) return Run(std::cin);
    std::ifstream file(argv[1], std::ios::binary);
    if (!file) {
        std::cerr << "zenscript: cannot read " << argv[1] << '\n';
        return kScriptWrong;
    }
    return Run(file);
}
