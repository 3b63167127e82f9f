#pragma once
// A fresh directory of its own under the system's temporary folder, removed
// with everything in it at the end. Entered, it is the working directory
// meanwhile, so register files written by one test never reach another
// (ctest runs test programs side by side).

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include <unistd.h>

class ScratchDirectory {
  public:
    enum Mode { Stay, Enter };

    explicit ScratchDirectory(Mode mode = Stay) : path(Create()) {
        if (mode != Enter) return;
        previous_ = std::filesystem::current_path();
        std::filesystem::current_path(path);
    }
    ~ScratchDirectory() {
        if (!previous_.empty()) std::filesystem::current_path(previous_);
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
    ScratchDirectory(const ScratchDirectory&) = delete;
    ScratchDirectory& operator=(const ScratchDirectory&) = delete;

    const std::filesystem::path path;

  private:
    static std::filesystem::path Create() {
        std::string pattern = (std::filesystem::temp_directory_path() / "zt-test-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) ADD_FAILURE() << "cannot create " << pattern;
        return pattern;
    }

    std::filesystem::path previous_;
};
