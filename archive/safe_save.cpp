#include "archive/safe_save.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <random>

namespace {

constexpr char kTemporarySuffix[] = ".tmp";
constexpr int kNameAttempts = 100;
constexpr std::size_t kWriteChunk = std::size_t{1} << 22;

struct Target {
    std::string folder; // "." for a bare name
    std::string name;
};

Target SplitPath(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return {".", path};
    return {slash == 0 ? "/" : path.substr(0, slash), path.substr(slash + 1)};
}

// "<name>.<pid>.<8 hex digits>.tmp"
std::string TemporaryName(const std::string& name, std::uint32_t random) {
    char tail[64];
    std::snprintf(tail, sizeof tail, ".%ld.%08x%s", static_cast<long>(getpid()),
                  static_cast<unsigned>(random), kTemporarySuffix);
    return name + tail;
}

// The process id a temporary of `name` carries, or 0 when `entry` is none.
pid_t TemporaryOwner(std::string_view entry, const std::string& name) {
    if (!entry.starts_with(name) || !entry.ends_with(kTemporarySuffix)) return 0;
    entry.remove_prefix(name.size());
    entry.remove_suffix(sizeof kTemporarySuffix - 1);
    // What is left is ".<pid>.<8 hex digits>".
    if (entry.size() < 11 || entry.front() != '.' || entry[entry.size() - 9] != '.') return 0;
    const std::string_view digits = entry.substr(1, entry.size() - 10);
    if (digits.empty() || digits.size() > 9) return 0;
    long pid = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') return 0;
        pid = pid * 10 + (c - '0');
    }
    for (char c : entry.substr(entry.size() - 8)) {
        if (!std::isxdigit(static_cast<unsigned char>(c))) return 0;
    }
    return static_cast<pid_t>(pid);
}

bool ProcessAlive(pid_t pid) {
    return kill(pid, 0) == 0 || errno != ESRCH;
}

// A save killed between creating its temporary and renaming it leaves the
// temporary behind. Only those whose writer has ended are removed: a running
// writer's temporary is a save in progress.
void RemoveStaleTemporaries(const Target& target) {
    DIR* folder = opendir(target.folder.c_str());
    if (!folder) return;
    while (const dirent* entry = readdir(folder)) {
        const pid_t owner = TemporaryOwner(entry->d_name, target.name);
        if (owner > 0 && !ProcessAlive(owner)) unlinkat(dirfd(folder), entry->d_name, 0);
    }
    closedir(folder);
}

// Each chunk written is handed to the disk at once, so the flush at the end
// waits only for the last of a large file rather than for all of it.
bool WriteAll(int fd, std::string_view bytes, off_t& offset) {
    while (!bytes.empty()) {
        const ssize_t written = write(fd, bytes.data(), std::min(bytes.size(), kWriteChunk));
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        sync_file_range(fd, offset, written, SYNC_FILE_RANGE_WRITE);
        offset += written;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// Creates a fresh temporary beside the target, never opening an existing
// path (so neither a planted link nor another writer's file). Returns the
// descriptor, or -1.
int CreateTemporary(const Target& target, std::string& temporaryPath) {
    static std::mt19937 random(std::random_device{}() ^ static_cast<std::uint32_t>(getpid()));
    const std::string prefix = target.folder + "/";
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        temporaryPath = prefix + TemporaryName(target.name, random());
        const int fd = open(temporaryPath.c_str(),
                            O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

// A crash after the rename must not lose the new name: the folder entry is
// flushed as well. Filesystems that cannot flush a folder are not an error.
void FlushFolder(const std::string& folder) {
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    fsync(fd);
    close(fd);
}

} // namespace

SaveResult SaveFileSafely(const std::string& path, std::string_view bytes) {
    return SaveFileSafely(path, {bytes});
}

SaveResult SaveFileSafely(const std::string& path, std::initializer_list<std::string_view> pieces) {
    const Target target = SplitPath(path);
    if (target.name.empty()) return SaveResult::CannotCreate;

    // A link at the target's name is replaced, not written through.
    struct stat old {};
    const bool replacing = lstat(path.c_str(), &old) == 0;
    if (!replacing && errno != ENOENT) return SaveResult::CannotCreate;
    if (replacing && S_ISDIR(old.st_mode)) return SaveResult::CannotCreate;
    const bool keepMode = replacing && S_ISREG(old.st_mode);
    // The rename would succeed on a file the user may not write; refuse it
    // as writing into it would be refused.
    if (keepMode && faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0)
        return SaveResult::NotWritable;

    RemoveStaleTemporaries(target);
    std::string temporary;
    const int fd = CreateTemporary(target, temporary);
    if (fd < 0) return SaveResult::CannotCreate;
    // The temporary was made 0666 less the umask; a replaced file's bits are
    // set before any data goes in, so a private file is never readable by others.
    bool ok = !keepMode || fchmod(fd, old.st_mode & 0777) == 0;
    off_t offset = 0;
    for (std::string_view piece : pieces) ok = ok && WriteAll(fd, piece, offset);
    ok = ok && fsync(fd) == 0;
    ok = close(fd) == 0 && ok;
    if (!ok || rename(temporary.c_str(), path.c_str()) != 0) {
        unlink(temporary.c_str());
        return SaveResult::CannotCreate;
    }
    FlushFolder(target.folder);
    return SaveResult::Saved;
}
