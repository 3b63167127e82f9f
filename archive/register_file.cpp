#include "archive/register_file.h"

#include "archive/safe_save.h"
#include "matrixlib/allocation_limit.h"

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <memory>
#include <new>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::size_t kValueBytes = sizeof(double);
constexpr std::size_t kHeaderBytes = 2 * kValueBytes;
static_assert(sizeof(double) == 8 && std::numeric_limits<double>::is_iec559);

// Register files are little-endian whatever the host is: on a big-endian
// host every value's bytes are reversed, in either direction.
void SwapIfBigEndian(double* values, std::size_t count) {
    if constexpr (std::endian::native == std::endian::big) {
        auto* bytes = reinterpret_cast<unsigned char*>(values);
        for (std::size_t i = 0; i < count; ++i)
            std::reverse(bytes + i * kValueBytes, bytes + (i + 1) * kValueBytes);
    }
}

void CopyLittleEndian(double* to, const char* from, std::size_t count) {
    std::memcpy(to, from, count * kValueBytes);
    SwapIfBigEndian(to, count);
}

bool IsDimension(double count) {
    return std::isfinite(count) && count >= 0 && count == std::trunc(count) &&
           count <= std::numeric_limits<std::int32_t>::max();
}

// The element count a header promises, checked against the elements the
// bytes hold and against the allocation limit.
RegisterFileResult PromisedElements(const double header[2], std::size_t availableElements,
                                    std::size_t& elements) {
    const double rows = header[0];
    const double columns = header[1];
    if (!IsDimension(rows) || !IsDimension(columns)) return RegisterFileResult::Damaged;
    if ((rows == 0 || columns == 0) && std::max(rows, columns) > kLargestEmptyExtent)
        return RegisterFileResult::Damaged;
    const auto count = static_cast<std::uint64_t>(rows) * static_cast<std::uint64_t>(columns);
    if (count > availableElements) return RegisterFileResult::Damaged;
    if (!ztmath::MatrixSizeAllowed(rows, columns)) return RegisterFileResult::TooLarge;
    elements = static_cast<std::size_t>(count);
    return RegisterFileResult::Ok;
}

// An open file descriptor, closed when it goes.
class File {
  public:
    File() = default;
    File(const File&) = delete;
    File& operator=(const File&) = delete;
    ~File() {
        if (fd_ >= 0) close(fd_);
    }
    void Open(const char* path) { fd_ = open(path, O_RDONLY | O_CLOEXEC); }
    bool IsOpen() const { return fd_ >= 0; }
    int Descriptor() const { return fd_; }

  private:
    int fd_ = -1;
};

// Reads `count` bytes into `to` with as few read calls as the system allows
// (one for a file in the page cache), straight into the caller's storage.
// False when the file ends first or cannot be read.
bool ReadFully(int fd, void* to, std::size_t count) {
    auto* at = static_cast<char*>(to);
    while (count > 0) {
        const ssize_t got = read(fd, at, count);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) return false;
        at += got;
        count -= static_cast<std::size_t>(got);
    }
    return true;
}

} // namespace

std::string SerializePacked(const PackedMatrix& packed) {
    PackedMatrix values = packed;
    SwapIfBigEndian(values.data(), values.size());
    return std::string(reinterpret_cast<const char*>(values.data()), values.size() * kValueBytes);
}

RegisterFileResult DeserializePacked(std::string_view bytes, PackedMatrix& packed) {
    if (bytes.size() < kHeaderBytes) return RegisterFileResult::Damaged;
    double header[2];
    CopyLittleEndian(header, bytes.data(), 2);
    std::size_t elements = 0;
    const RegisterFileResult checked =
        PromisedElements(header, (bytes.size() - kHeaderBytes) / kValueBytes, elements);
    if (checked != RegisterFileResult::Ok) return checked;
    try {
        PackedMatrix loaded(2 + elements);
        CopyLittleEndian(loaded.data(), bytes.data(), loaded.size());
        packed.swap(loaded);
    } catch (const std::bad_alloc&) {
        return RegisterFileResult::TooLarge;
    }
    return RegisterFileResult::Ok;
}

namespace {

// Opens the register file `fileName` and checks its header; on Ok the file
// stands at the first element, and `header` and `elements` hold the counts.
RegisterFileResult OpenRegister(const std::string& fileName, File& file, double header[2],
                                std::size_t& elements) {
    // Opening a pipe or device would block or read without end.
    struct stat before {};
    if (stat(fileName.c_str(), &before) != 0)
        return errno == ENOENT ? RegisterFileResult::Missing : RegisterFileResult::CannotOpen;
    if (!S_ISREG(before.st_mode)) return RegisterFileResult::CannotOpen;
    file.Open(fileName.c_str());
    if (!file.IsOpen())
        return errno == ENOENT ? RegisterFileResult::Missing : RegisterFileResult::CannotOpen;
    struct stat status {};
    if (fstat(file.Descriptor(), &status) != 0 || !S_ISREG(status.st_mode))
        return RegisterFileResult::CannotOpen;
    const auto fileBytes = static_cast<std::size_t>(status.st_size);

    char headerBytes[kHeaderBytes];
    if (fileBytes < kHeaderBytes || !ReadFully(file.Descriptor(), headerBytes, kHeaderBytes))
        return RegisterFileResult::Damaged;
    CopyLittleEndian(header, headerBytes, 2);
    return PromisedElements(header, (fileBytes - kHeaderBytes) / kValueBytes, elements);
}

// Reads `elements` doubles at the file's position into `to`. The file may
// have shrunk since it was measured.
RegisterFileResult ReadElements(const File& file, double* to, std::size_t elements) {
    if (elements == 0) return RegisterFileResult::Ok;
    if (!ReadFully(file.Descriptor(), to, elements * kValueBytes)) return RegisterFileResult::Damaged;
    SwapIfBigEndian(to, elements);
    return RegisterFileResult::Ok;
}

} // namespace

RegisterFileResult ReadRegisterFile(const std::string& fileName, PackedMatrix& packed) {
    File file;
    double header[2];
    std::size_t elements = 0;
    const RegisterFileResult opened = OpenRegister(fileName, file, header, elements);
    if (opened != RegisterFileResult::Ok) return opened;
    try {
        PackedMatrix loaded(2 + elements);
        loaded[0] = header[0];
        loaded[1] = header[1];
        const RegisterFileResult read = ReadElements(file, loaded.data() + 2, elements);
        if (read != RegisterFileResult::Ok) return read;
        packed.swap(loaded);
    } catch (const std::bad_alloc&) {
        return RegisterFileResult::TooLarge;
    }
    return RegisterFileResult::Ok;
}

RegisterFileResult ReadRegisterMatrix(const std::string& fileName, NEWMAT::Matrix& matrix) {
    File file;
    double header[2];
    std::size_t elements = 0;
    RegisterFileResult result = OpenRegister(fileName, file, header, elements);
    if (result != RegisterFileResult::Ok) {
        matrix.CleanUp();
        return result;
    }
    result = RegisterFileResult::TooLarge;
    try {
        // Checked counts are whole and their product is `elements`.
        matrix.ReSize(static_cast<int>(header[0]), static_cast<int>(header[1]));
        result = ReadElements(file, matrix.Store(), elements);
    } catch (const std::bad_alloc&) {
    } catch (const RBD_COMMON::BaseException&) {
        // newmat's own report of memory running out
    }
    if (result != RegisterFileResult::Ok) matrix.CleanUp();
    return result;
}

RegisterFileResult WriteRegisterFile(const std::string& fileName, const PackedMatrix& packed) {
    SaveResult result;
    if constexpr (std::endian::native == std::endian::little) {
        result = SaveFileSafely(fileName, std::string_view(reinterpret_cast<const char*>(packed.data()),
                                                           packed.size() * kValueBytes));
    } else {
        result = SaveFileSafely(fileName, SerializePacked(packed));
    }
    return result == SaveResult::Saved ? RegisterFileResult::Ok : RegisterFileResult::CannotCreate;
}
