#pragma once
// A file opened for reading with its size, for the importers: they check
// what a file's header promises against its size before allocating, then
// read straight into the matrix.

#include <cstddef>
#include <string>

class InputFile {
  public:
    explicit InputFile(const std::string& path);
    ~InputFile();
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;

    // Open, and a regular file.
    bool IsOpen() const { return fd_ >= 0; }
    std::size_t Size() const { return size_; }
    // Reads exactly `bytes` bytes at the current position; false when the
    // file ends first or reading fails.
    bool Read(void* to, std::size_t bytes);

  private:
    int fd_ = -1;
    std::size_t size_ = 0;
};

// The whole of a file as text, for the text formats. Empty error when
// read; a file too large to hold beside the matrix it would make is
// refused before anything is read. Never throws.
struct FileText {
    std::string text;
    std::string error;
};
FileText ReadFileText(const std::string& path);
