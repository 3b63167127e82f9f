#pragma once
// Helpers shared by the evaluator's tests: a scratch folder for register
// files, register files written byte by byte so the tests check the file
// format without the archive's own code, and whole runs from strings.

#include "evaluator/evaluator_session.h"
#include "tests/support/scratch_directory.h"

#include <gtest/gtest.h>

#include <bit>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

static_assert(std::endian::native == std::endian::little, "register files are little-endian");

inline const std::string kPrompt = "Enter expression: ";

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
