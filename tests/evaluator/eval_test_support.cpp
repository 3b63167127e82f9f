#include "eval_test_support.h"

#include "evaluator/evaluator_session.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>

static_assert(std::endian::native == std::endian::little,
              "the register file tests write host doubles as little-endian bytes");

ScratchFolder::ScratchFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "zteval-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) ADD_FAILURE() << "cannot create " << pattern;
    m_path = pattern;
}

ScratchFolder::~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

void WriteBytes(const std::filesystem::path& file, const std::string& bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string ReadBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void WriteDoubles(const std::filesystem::path& file, const std::vector<double>& values) {
    std::string bytes(values.size() * sizeof(double), '\0');
    if (!values.empty()) std::memcpy(bytes.data(), values.data(), bytes.size());
    WriteBytes(file, bytes);
}

std::vector<double> ReadDoubles(const std::filesystem::path& file) {
    const std::string bytes = ReadBytes(file);
    std::vector<double> values(bytes.size() / sizeof(double));
    if (!values.empty()) std::memcpy(values.data(), bytes.data(), values.size() * sizeof(double));
    return values;
}

void WriteRegister(const std::filesystem::path& file, int rows, int cols,
                   const std::vector<double>& elements) {
    std::vector<double> values = {static_cast<double>(rows), static_cast<double>(cols)};
    values.insert(values.end(), elements.begin(), elements.end());
    WriteDoubles(file, values);
}

std::string RunWhole(const std::filesystem::path& folder, const std::string& input) {
    std::istringstream in(input);
    std::ostringstream out;
    EXPECT_EQ(RunEvaluator(in, out, folder), 0);
    return out.str();
}

std::vector<std::vector<double>> LastResult(const std::string& output) {
    const std::string prompt = "Enter expression: ";
    const std::size_t lastPrompt = output.rfind(prompt);
    const std::size_t before = output.rfind(prompt, lastPrompt - 1);
    std::istringstream block(
        output.substr(before + prompt.size(), lastPrompt - before - prompt.size()));
    std::vector<std::vector<double>> rows;
    std::string line;
    while (std::getline(block, line)) {
        if (line.empty() || line.rfind("Error: ", 0) == 0 || line.rfind("op = ", 0) == 0) continue;
        std::istringstream numbers(line);
        std::vector<double> row;
        double value;
        while (numbers >> value)
            row.push_back(value);
        rows.push_back(row);
    }
    return rows;
}
