#include "interchange/input_file.h"

#include "matrixlib/allocation_limit.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <new>

InputFile::InputFile(const std::string& path) {
    fd_ = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd_ < 0) return;
    struct stat status {};
    if (fstat(fd_, &status) != 0 || !S_ISREG(status.st_mode)) {
        close(fd_);
        fd_ = -1;
        return;
    }
    size_ = static_cast<std::size_t>(status.st_size);
}

InputFile::~InputFile() {
    if (fd_ >= 0) close(fd_);
}

namespace {

constexpr std::uintptr_t kHugePage = std::uintptr_t{1} << 21;

// A large read lands in fresh pages: where the system backs a block with
// huge pages on request, one fault maps 2 MB instead of 4 KB.
void AskForHugePages(void* block, std::size_t bytes) {
    const std::uintptr_t start = (reinterpret_cast<std::uintptr_t>(block) + kHugePage - 1) & ~(kHugePage - 1);
    const std::uintptr_t end = (reinterpret_cast<std::uintptr_t>(block) + bytes) & ~(kHugePage - 1);
    if (end > start) madvise(reinterpret_cast<void*>(start), end - start, MADV_HUGEPAGE);
}

} // namespace

bool InputFile::Read(void* to, std::size_t bytes) {
    AskForHugePages(to, bytes);
    char* at = static_cast<char*>(to);
    while (bytes > 0) {
        const ssize_t got = read(fd_, at, bytes);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) return false;
        at += got;
        bytes -= static_cast<std::size_t>(got);
    }
    return true;
}

FileText ReadFileText(const std::string& path) {
    FileText file;
    InputFile input(path);
    if (!input.IsOpen()) {
        file.error = "The file cannot be opened.";
        return file;
    }
    // A text holds at most one number every two bytes; the text itself is
    // held as long as the matrix is made, so it is measured like a matrix.
    if (!ztmath::MatrixSizeAllowed(1, static_cast<double>(input.Size() / 8 + 1))) {
        file.error = "The file is too large.";
        return file;
    }
    try {
        file.text.resize(input.Size());
    } catch (const std::bad_alloc&) {
        file.error = "Not enough memory to read the file.";
        return file;
    }
    if (!input.Read(file.text.data(), file.text.size())) {
        file.text.clear();
        file.error = "The file cannot be read.";
    }
    return file;
}
