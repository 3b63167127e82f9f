// Saves killed at random moments and saves racing each other: every register
// file must always be one complete version.

#include "archive/register_file.h"
#include "file_test_support.h"

#include <signal.h>

#include <algorithm>
#include <chrono>
#include <map>
#include <random>
#include <thread>

namespace {

constexpr int kRegisters = 26;

std::string RegisterName(int index) {
    return std::string("Reg") + static_cast<char>('A' + index);
}

// Version `version` of a side x side register: element k holds
// version * 1e7 + k, so any mixture of two versions or of two positions shows.
PackedMatrix Version(int side, int version) {
    PackedMatrix packed(2 + static_cast<std::size_t>(side) * side);
    packed[0] = packed[1] = side;
    for (std::size_t k = 2; k < packed.size(); ++k)
        packed[k] = version * 1e7 + static_cast<double>(k - 2);
    return packed;
}

// The version a register file holds, or -1 when it is not one complete version.
int VersionHeld(const std::string& file, int side) {
    PackedMatrix packed;
    if (ReadRegisterFile(file, packed) != RegisterFileResult::Ok) return -1;
    const std::size_t elements = static_cast<std::size_t>(side) * side;
    if (packed.size() != 2 + elements || packed[0] != side || packed[1] != side) return -1;
    if (std::filesystem::file_size(file) != 8 * packed.size()) return -1;
    const int version = static_cast<int>(packed[2] / 1e7);
    for (std::size_t k = 0; k < elements; ++k) {
        if (packed[2 + k] != version * 1e7 + static_cast<double>(k)) return -1;
    }
    return version;
}

// Starts a child that saves all registers again and again, starting at
// register `first`, with versions from `firstVersion` on; `rounds` < 0 saves
// until killed.
pid_t StartSaving(const ScratchFolder& dir, int side, int first, int firstVersion, int rounds) {
    std::fflush(nullptr);
    const pid_t child = fork();
    if (child != 0) return child;
    for (int round = 0; rounds < 0 || round < rounds; ++round) {
        for (int i = 0; i < kRegisters; ++i) {
            const int index = (first + i) % kRegisters;
            if (WriteRegisterFile(dir / RegisterName(index), Version(side, firstVersion + round)) !=
                RegisterFileResult::Ok)
                _exit(2);
        }
    }
    _exit(0);
}

TEST(SaveUnderStress, KilledSavesLeaveOldOrNewCompleteRegisters) {
    constexpr int kSide = 500;
    constexpr int kKills = 120;
    ScratchFolder dir;
    // The kills fall within a few saves' time: on a slow or busy machine (the
    // sanitizer build, other tests beside it) a save takes longer.
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < kRegisters; ++i)
        ASSERT_EQ(WriteRegisterFile(dir / RegisterName(i), Version(kSide, 0)), RegisterFileResult::Ok);
    const auto oneSave = std::chrono::duration_cast<std::chrono::microseconds>(
                             std::chrono::steady_clock::now() - start) / kRegisters;
    const long window = std::max<long>(25000, 4 * oneSave.count());

    std::mt19937 random(17);
    std::map<int, FileStamp> checked;
    int replaced = 0;
    for (int kill = 1; kill <= kKills; ++kill) {
        // Each helper saves versions of its own, starting at another register.
        const pid_t helper = StartSaving(dir, kSide, kill % kRegisters, kill * 1000, -1);
        ASSERT_GT(helper, 0);
        std::this_thread::sleep_for(std::chrono::microseconds(random() % window));
        ASSERT_EQ(::kill(helper, SIGKILL), 0);
        int status = 0;
        ASSERT_EQ(waitpid(helper, &status, 0), helper);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the helper ended by itself: " << status;

        for (int i = 0; i < kRegisters; ++i) {
            const std::string file = dir / RegisterName(i);
            const FileStamp identity = StampOf(file);
            if (checked.contains(i) && checked.at(i) == identity) continue;
            const int version = VersionHeld(file, kSide);
            ASSERT_GE(version, 0) << file << " torn after kill " << kill;
            ASSERT_TRUE(version == 0 || version / 1000 <= kill) << version;
            if (checked.contains(i)) ++replaced;
            checked.insert_or_assign(i, identity);
        }
    }
    // The kills hit saves in progress, not only idle helpers.
    EXPECT_GT(replaced, kKills / 2);

    // One complete save of every register clears what the killed ones left.
    for (int i = 0; i < kRegisters; ++i)
        ASSERT_EQ(WriteRegisterFile(dir / RegisterName(i), Version(kSide, 1)), RegisterFileResult::Ok);
    EXPECT_EQ(dir.Entries().size(), std::size_t{kRegisters}); // no temporary left
}

TEST(SaveUnderStress, ConcurrentSavesNeverTearARegister) {
    constexpr int kSide = 60;
    constexpr int kRounds = 40;
    ScratchFolder dir;
    // Two writers save the same registers at once, in the same order, each
    // round a new version: writer 1 versions 1000.., writer 2 versions 2000..
    const pid_t writers[] = {StartSaving(dir, kSide, 0, 1000, kRounds),
                             StartSaving(dir, kSide, 0, 2000, kRounds)};
    int reads = 0;
    int running = 2;
    while (running > 0) {
        for (int i = 0; i < kRegisters; ++i) {
            const std::string file = dir / RegisterName(i);
            if (!std::filesystem::exists(file)) continue;
            ASSERT_GE(VersionHeld(file, kSide), 1000) << file;
            ++reads;
        }
        for (const pid_t writer : writers) {
            int status = 0;
            if (waitpid(writer, &status, WNOHANG) == writer) {
                EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
                --running;
            }
        }
    }
    EXPECT_GT(reads, 0);
    // Each register holds the last version of one of the two writers.
    for (int i = 0; i < kRegisters; ++i) {
        const int version = VersionHeld(dir / RegisterName(i), kSide);
        EXPECT_TRUE(version == 1000 + kRounds - 1 || version == 2000 + kRounds - 1)
            << RegisterName(i) << " holds " << version;
    }
    EXPECT_EQ(dir.Entries().size(), std::size_t{kRegisters}); // no temporary left
}

} // namespace
