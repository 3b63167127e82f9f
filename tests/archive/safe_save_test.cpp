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
    const std::string victim = dir / "victim";
    for (const char* link : {"RegA.tmp", "RegB"}) {
        WriteFile(victim, "precious");
        fs::create_symlink(victim, dir / link);
        const std::string target = dir / "RegA";
        const std::string linked = std::string(link) == "RegB" ? dir / "RegB" : target;
        EXPECT_EQ(SaveFileSafely(linked, "new content"), SaveResult::Saved) << link;
        EXPECT_EQ(ReadFile(victim), "precious") << link;
        EXPECT_EQ(ReadFile(linked), "new content") << link;
        EXPECT_FALSE(fs::is_symlink(linked)) << link;
        fs::remove(dir / link);
        fs::remove(target);
    }
}

// Permission bits only mean something to a user other than root.
TEST(SafeSave, PermissionsAreKeptAndReadOnlyFilesRefused) {
    ScratchFolder dir;
    RunUnprivileged(dir.path, [&] {
        umask(027);
        const struct {
            mode_t before;
            SaveResult expected;
            mode_t after;
            const char* content;
        } cases[] = {
            {0600, SaveResult::Saved, 0600, "new"},
            {0664, SaveResult::Saved, 0664, "new"},
            {0755, SaveResult::Saved, 0755, "new"},
            {0444, SaveResult::NotWritable, 0444, "old"},
            {0000, SaveResult::NotWritable, 0000, "old"},
        };
        const std::string file = dir / "RegP";
        for (const auto& c : cases) {
            WriteFile(file, "old");
            ASSERT_EQ(chmod(file.c_str(), c.before), 0);
            EXPECT_EQ(SaveFileSafely(file, "new"), c.expected) << std::oct << c.before;
            EXPECT_EQ(Mode(file), c.after) << std::oct << c.before;
            chmod(file.c_str(), 0600);
            EXPECT_EQ(ReadFile(file), c.content) << std::oct << c.before;
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
    std::fflush(nullptr);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{4096, 4096};
        setrlimit(RLIMIT_FSIZE, &limit);
        _exit(SaveFileSafely(file, std::string(100000, 'x')) == SaveResult::CannotCreate ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
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
