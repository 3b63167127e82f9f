#include "archive_test_support.h"

#include <algorithm>
#include <atomic>
#include <bit>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <new>
#include <sstream>
#include <unistd.h>

namespace {
std::atomic<std::size_t> largestAllocation{0};
}

// Every allocation of the test program passes here so the loader's tests can
// see how much a damaged header made it ask for.
void* operator new(std::size_t size) {
    std::size_t seen = largestAllocation.load();
    while (size > seen && !largestAllocation.compare_exchange_weak(seen, size)) {
    }
    if (void* block = std::malloc(size == 0 ? 1 : size)) return block;
    throw std::bad_alloc();
}
void operator delete(void* block) noexcept {
    std::free(block);
}
void operator delete(void* block, std::size_t) noexcept {
    std::free(block);
}

void ResetLargestAllocation() {
    largestAllocation = 0;
}
std::size_t LargestAllocation() {
    return largestAllocation;
}

std::string DoubleBytes(std::initializer_list<double> values) {
    std::string bytes;
    for (double value : values) {
        unsigned char raw[8];
        std::memcpy(raw, &value, 8);
        // Little-endian on every host.
        if (std::endian::native == std::endian::big) std::reverse(raw, raw + 8);
        bytes.append(reinterpret_cast<const char*>(raw), 8);
    }
    return bytes;
}

void WriteBytes(const std::filesystem::path& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary) << bytes;
}

std::string ReadBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

ScratchDirectory::ScratchDirectory(const std::string& name)
    : path_(std::filesystem::temp_directory_path() /
            ("zentabl-" + name + "-" + std::to_string(getpid()))) {
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
}

ScratchDirectory::~ScratchDirectory() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}
