#pragma once
// Helpers shared by the evaluator's tests: a scratch folder for register
// files, register files written byte by byte so the tests check the file
// format without the archive's own code, and whole runs from strings.

#include "evaluator/evaluator_session.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

static_assert(std::endian::native == std::endian::little, "register files are little-endian");

inline const std::string kPrompt = "Enter expression: ";

class ScratchFolder {
  public:
    ScratchFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "zteval-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) ADD_FAILURE() << "cannot create " << pattern;
        path = pattern;
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    std::filesystem::path path;
};

// A register file for `rows` x `cols` elements given row by row.
inline void WriteRegister(const std::filesystem::path& file, int rows, int cols,
                          std::vector<double> elements) {
    elements.insert(elements.begin(), {static_cast<double>(rows), static_cast<double>(cols)});
    std::ofstream(file, std::ios::binary)
        .write(reinterpret_cast<const char*>(elements.data()),
               static_cast<std::streamsize>(elements.size() * sizeof(double)));
}

// A whole run of the evaluator on `input` in `folder`; returns its output.
inline std::string RunWhole(const std::filesystem::path& folder, const std::string& input) {
    std::istringstream in(input);
    std::ostringstream out;
    EXPECT_EQ(RunEvaluator(in, out, folder), 0);
    return out.str();
}
