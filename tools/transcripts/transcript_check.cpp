// transcript_check EXPECTED ACTUAL [--line-map MAP SCRIPT | --input INPUT]
//
// Compares a golden transcript with a fresh one (see transcript_compare.h).
// On a difference it names the first differing line, why it differs and the
// line of the script or typed input that produced it, and exits with 1.
// With ZT_UPDATE_GOLDENS=1 in the environment it rewrites EXPECTED from
// ACTUAL instead, but only where the two really differ, so that last-bit
// noise of another machine never churns a golden.

#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "tools/transcripts/transcript_compare.h"

namespace {

bool ReadFile(const std::string& path, std::string& text) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return false;
    std::ostringstream all;
    all << file.rdbuf();
    text = all.str();
    return true;
}

std::string LineOf(const std::string& text, long number) {
    std::istringstream in(text);
    std::string line;
    for (long i = 1; std::getline(in, line); ++i)
        if (i == number) return line;
    return "";
}

// The script line after which the transcript first held `line` lines.
void TraceToScript(const std::string& mapPath, const std::string& scriptPath, std::size_t line) {
    std::string map, script;
    if (!ReadFile(mapPath, map) || !ReadFile(scriptPath, script)) return;
    std::istringstream entries(map);
    long scriptLine = 0, written = 0;
    while (entries >> scriptLine >> written) {
        if (written >= static_cast<long>(line)) {
            std::cerr << "  written by " << scriptPath << " line " << scriptLine << ": "
                      << LineOf(script, scriptLine) << '\n';
            return;
        }
    }
    std::cerr << "  written after the last line of " << scriptPath << '\n';
}

// The typed line answered in `line`: each prompt of the evaluator reads one.
void TraceToInput(const std::string& actual, const std::string& inputPath, std::size_t line) {
    std::string input;
    if (!ReadFile(inputPath, input)) return;
    static const std::string kPrompt = "Enter expression: ";
    std::istringstream in(actual);
    std::string text;
    long prompts = 0;
    for (std::size_t i = 1; i <= line && std::getline(in, text); ++i)
        for (std::size_t at = text.find(kPrompt); at != std::string::npos; at = text.find(kPrompt, at + 1))
            ++prompts;
    if (prompts == 0) {
        std::cerr << "  written before the first line of " << inputPath << " was read\n";
        return;
    }
    std::cerr << "  answering " << inputPath << " line " << prompts << ": " << LineOf(input, prompts) << '\n';
}

bool UpdateRequested() {
    const char* value = std::getenv("ZT_UPDATE_GOLDENS");
    return value && std::string(value) == "1";
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    const bool traced = args.size() == 5 && args[2] == "--line-map";
    const bool typed = args.size() == 4 && args[2] == "--input";
    if (args.size() != 2 && !traced && !typed) {
        std::cerr << "usage: transcript_check EXPECTED ACTUAL [--line-map MAP SCRIPT | --input INPUT]\n";
        return 2;
    }
    std::string expected, actual;
    if (!ReadFile(args[0], expected) || !ReadFile(args[1], actual)) {
        std::cerr << "transcript_check: cannot read " << args[0] << " or " << args[1] << '\n';
        return 2;
    }
    const TranscriptDifference difference = CompareTranscripts(expected, actual);
    if (!difference.found) return 0;
    if (UpdateRequested()) {
        std::ofstream out(args[0], std::ios::binary | std::ios::trunc);
        out << actual;
        std::cerr << "updated " << args[0] << '\n';
        return out ? 0 : 2;
    }
    std::cerr << args[1] << " differs from " << args[0] << " at line " << difference.line << ": "
              << difference.reason << "\n  expected: " << difference.expected
              << "\n  actual:   " << difference.actual << '\n';
    if (traced) TraceToScript(args[3], args[4], difference.line);
    if (typed) TraceToInput(actual, args[3], difference.line);
    return 1;
}
