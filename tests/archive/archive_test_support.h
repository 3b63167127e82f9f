#pragma once
// Helpers shared by the archive tests: raw register-file bytes and files in a
// scratch directory, and a watch on the largest single allocation.

#include <cstddef>
#include <filesystem>
#include <initializer_list>
#include <string>

// The bytes of `values` as little-endian doubles.
std::string DoubleBytes(std::initializer_list<double> values);

void WriteBytes(const std::filesystem::path& file, const std::string& bytes);
std::string ReadBytes(const std::filesystem::path& file);

// A fresh, empty directory for one test, removed afterwards.
class ScratchDirectory {
  public:
    explicit ScratchDirectory(const std::string& name);
    ~ScratchDirectory();
    std::string File(const std::string& name) const { return (path_ / name).string(); }
    const std::filesystem::path& Path() const { return path_; }

  private:
    std::filesystem::path path_;
};

// The largest block requested from operator new since the last reset.
void ResetLargestAllocation();
std::size_t LargestAllocation();
