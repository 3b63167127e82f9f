#pragma once
// Helpers for tests that put register files in hostile situations: a scratch
// folder, raw file bytes, and running part of a test in a child process under
// an unprivileged user (the suite may run as root, for whom no permission bit
// counts).

#include "tests/support/scratch_directory.h"

#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <bit>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

static_assert(std::endian::native == std::endian::little, "test data is little-endian");

// A scratch directory whose permissions a test may take away: they are
// given back before it is removed.
class ScratchFolder : public ScratchDirectory {
  public:
    using ScratchDirectory::ScratchDirectory;
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::permissions(path, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ignored);
    }

    std::string operator/(const std::string& name) const { return (path / name).string(); }

    std::set<std::string> Entries() const {
        std::set<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(path))
            names.insert(entry.path().filename().string());
        return names;
    }
};

// The bytes of the doubles as they stand (little-endian).
inline std::string Bytes(std::initializer_list<double> values) {
    std::string bytes(values.size() * sizeof(double), '\0');
    std::memcpy(bytes.data(), std::data(values), bytes.size());
    return bytes;
}

inline void WriteFile(const std::string& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary) << bytes;
}

inline std::string ReadFile(const std::string& file) {
    std::ostringstream bytes;
    bytes << std::ifstream(file, std::ios::binary).rdbuf();
    return bytes.str();
}

// Damaged variants of register files: truncations, bit flips, extreme and
// non-finite headers, random bytes.
inline std::vector<std::string> DamagedRegisterFiles(int count) {
    const double extremes[] = {
        0,       -0.0, 1,   2,     65536,        65537,         2147483647, 2147483648.0,
        1e9,     -1,   0.5, 1e300, std::nan(""), -std::nan(""), HUGE_VAL,   -HUGE_VAL,
        4.9e-324};
    std::mt19937 random(2026);
    std::vector<std::string> files;
    for (double rows : extremes) {
        for (double columns : extremes)
            files.push_back(Bytes({rows, columns, 1, 2, 3, 4}));
    }
    while (static_cast<int>(files.size()) < count) {
        const int rows = static_cast<int>(random() % 6);
        const int columns = static_cast<int>(random() % 6);
        std::string bytes = Bytes({double(rows), double(columns)});
        for (int k = 0; k < rows * columns; ++k)
            bytes += Bytes({double(k)});
        switch (random() % 4) {
        case 0: // truncated
            bytes.resize(random() % (bytes.size() + 1));
            break;
        case 1: // bits flipped anywhere, the header included
            for (int flips = 1 + random() % 4; flips > 0; --flips)
                bytes[random() % bytes.size()] ^= static_cast<char>(1 << (random() % 8));
            break;
        case 2: // one header count replaced by an extreme
            std::memcpy(bytes.data() + 8 * (random() % 2),
                        &extremes[random() % std::size(extremes)], 8);
            break;
        default: // noise
            bytes.resize(random() % 64);
            for (char& byte : bytes)
                byte = static_cast<char>(random());
        }
        files.push_back(bytes);
    }
    return files;
}

// What tells one version of a file from another without reading it: a
// rename gives it another inode, a write other times.
inline auto StampOf(const std::string& file) {
    struct stat s {};
    stat(file.c_str(), &s);
    return std::tuple(s.st_ino, s.st_size, s.st_mtim.tv_sec, s.st_mtim.tv_nsec, s.st_ctim.tv_sec,
                      s.st_ctim.tv_nsec);
}
using FileStamp = decltype(StampOf(""));

// Runs `body` in a forked child; a failure the child reports (or a crash)
// fails the calling test.
inline void RunInChild(const std::function<void()>& body) {
    std::fflush(nullptr);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        body();
        std::fflush(nullptr);
        _exit(::testing::Test::HasFailure() ? 1 : 0);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0)
        << "the child's part failed (see above), status " << status;
}

// Runs `body` in a child that, when this process is root, gives `folder` to
// the user nobody and becomes that user first.
inline void RunUnprivileged(const std::filesystem::path& folder,
                            const std::function<void()>& body) {
    RunInChild([&] {
        if (geteuid() == 0) {
            const passwd* nobody = getpwnam("nobody");
            ASSERT_TRUE(nobody && chown(folder.c_str(), nobody->pw_uid, nobody->pw_gid) == 0 &&
                        setgroups(0, nullptr) == 0 && setgid(nobody->pw_gid) == 0 &&
                        setuid(nobody->pw_uid) == 0)
                << "cannot become the user nobody";
        }
        body();
    });
}
