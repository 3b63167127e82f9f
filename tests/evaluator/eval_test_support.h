#pragma once
// Helpers shared by the evaluator's tests: a scratch folder that holds
// register files, and register files written and read byte by byte so the
// tests check the file format without the archive's own code.

#include <newmat.h>

#include <filesystem>
#include <string>
#include <vector>

class ScratchFolder {
  public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& Path() const { return m_path; }
    std::filesystem::path operator/(const std::string& name) const { return m_path / name; }

  private:
    std::filesystem::path m_path;
};

// Raw little-endian doubles, exactly as given.
void WriteDoubles(const std::filesystem::path& file, const std::vector<double>& values);
std::vector<double> ReadDoubles(const std::filesystem::path& file);
void WriteBytes(const std::filesystem::path& file, const std::string& bytes);
std::string ReadBytes(const std::filesystem::path& file);

// A register file for `rows` x `cols` elements given row by row.
void WriteRegister(const std::filesystem::path& file, int rows, int cols,
                   const std::vector<double>& elements);

// A whole run of the evaluator on `input` in `folder`; returns its output.
std::string RunWhole(const std::filesystem::path& folder, const std::string& input);

// The matrix printed last before the save question, parsed back from a
// run's output (rows of numbers separated by blanks).
std::vector<std::vector<double>> LastResult(const std::string& output);
