#include "archive/safe_save.h"
#include "file_test_support.h"

#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

mode_t Mode(const std::string& file) {
    struct stat status {};
    EXPECT_EQ(stat(file.c_str(), &status), 0) << file;
    return status.st_mode & 07777;
}

// A process id that belonged to a process which has ended.
pid_t EndedProcess() {
    const pid_t child = fork();
    if (child == 0) _exit(0);
    waitpid(child, nullptr, 0);
    return child;
}

// Links planted at names a save might use must never be written through:
// neither the old fixed temporary name nor the target itself.
TEST(SafeSave, PlantedLinksAreNeverFollowed) {
    ScratchFolder dir;
    WriteFile(dir / "victim", "precious");
    fs::create_symlink(dir / "victim", dir / "RegA.tmp");
    fs::create_symlink(dir / "victim", dir / "RegB");
    for (const char* target : {"RegA", "RegB"}) {
        EXPECT_EQ(SaveFileSafely(dir / target, "new content"), SaveResult::Saved) << target;
        EXPECT_EQ(ReadFile(dir / "victim"), "precious") << target;
        EXPECT_EQ(ReadFile(dir / target), "new content") << target;
        EXPECT_FALSE(fs::is_symlink(dir / target)) << target;
    }
}

// Permission bits only mean something to a user other than root.
TEST(SafeSave, PermissionsAreKeptAndReadOnlyFilesRefused) {
    ScratchFolder dir;
    RunUnprivileged(dir.path, [&] {
        umask(027);
        // The mode stays; a file the user may not write keeps its content.
        const std::string file = dir / "RegP";
        for (const mode_t mode : {0600, 0664, 0755, 0444, 0000}) {
            const bool writable = mode & 0200;
            WriteFile(file, "old");
            ASSERT_EQ(chmod(file.c_str(), mode), 0);
            EXPECT_EQ(SaveFileSafely(file, "new"),
                      writable ? SaveResult::Saved : SaveResult::NotWritable)
                << std::oct << mode;
            EXPECT_EQ(Mode(file), mode) << std::oct << mode;
            chmod(file.c_str(), 0600);
            EXPECT_EQ(ReadFile(file), writable ? "new" : "old") << std::oct << mode;
            fs::remove(file);
        }
        // A new file gets 0666 less the umask.
        EXPECT_EQ(SaveFileSafely(file, "new"), SaveResult::Saved);
        EXPECT_EQ(Mode(file), 0640u);
        // A folder the user may not write: the file stays, nothing is left behind.
        ASSERT_EQ(chmod(dir.path.c_str(), 0500), 0);
        EXPECT_EQ(SaveFileSafely(file, "newer"), SaveResult::CannotCreate);
        ASSERT_EQ(chmod(dir.path.c_str(), 0700), 0);
        EXPECT_EQ(ReadFile(file), "new");
        EXPECT_EQ(dir.Entries(), std::set<std::string>{"RegP"});
    });
}

// A write that fails part-way (here: the file size limit) leaves the old
// file and no temporary.
TEST(SafeSave, AFailedWriteLeavesTheOldFileAndNoTemporary) {
    ScratchFolder dir;
    const std::string file = dir / "RegW";
    WriteFile(file, "old");
    RunInChild([&] {
        signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{4096, 4096};
        setrlimit(RLIMIT_FSIZE, &limit);
        EXPECT_EQ(SaveFileSafely(file, std::string(100000, 'x')), SaveResult::CannotCreate);
    });
    EXPECT_EQ(ReadFile(file), "old");
    EXPECT_EQ(dir.Entries(), std::set<std::string>{"RegW"});
}

// A save removes the temporaries a killed save of the same file left, and
// only those: a running writer's temporary and other files' stay.
TEST(SafeSave, StaleTemporariesOfEndedWritersAreRemoved) {
    ScratchFolder dir;
    const std::string ended = std::to_string(EndedProcess());
    const std::string running = std::to_string(getppid());
    const std::set<std::string> kept = {
        "RegS." + running + ".0123abcd.tmp", // a save in progress elsewhere
        "RegT." + ended + ".0123abcd.tmp",   // another register's
        "RegS.tmp",
        "RegS." + ended + ".tmp",
        "RegS." + ended + ".0123abcz.tmp",
        "RegS.x" + ended + ".0123abcd.tmp",
    };
    const std::string stale = "RegS." + ended + ".89abcdef.tmp";
    for (const std::string& name : kept)
        WriteFile(dir / name, "left");
    WriteFile(dir / stale, "left");
    EXPECT_EQ(SaveFileSafely(dir / "RegS", "saved"), SaveResult::Saved);
    std::set<std::string> expected = kept;
    expected.insert("RegS");
    EXPECT_EQ(dir.Entries(), expected);
}

} // namespace
