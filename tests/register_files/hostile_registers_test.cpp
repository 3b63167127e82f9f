// Damaged, huge, unreadable and read-only register files met by both
// programs: the evaluator at start-up and exit, the calculator at recall.

#include "archive/register_file.h"
#include "calculator/control_ids.h"
#include "scripting/scripted_calculator.h"
#include "tests/archive/file_test_support.h"
#include "tests/evaluator/eval_test_support.h"

#include <sys/resource.h>
#include <sys/stat.h>

#include <algorithm>
#include <chrono>
#include <cmath>

namespace fs = std::filesystem;

namespace {

const double kNaN = std::nan("");
// The command-list row of register A (Store and Recall list the same rows).
constexpr char kRegisterRowA[] = "           A";

// Recalls register A in a calculator working in the current folder; every
// question is answered with OK. Returns the current matrix afterwards.
NEWMAT::Matrix RecallInCalculator() {
    std::ostringstream transcript;
    ScriptedCalculator calc(transcript);
    calc.host.Improvise({[] { return true; }, [] { return std::optional<std::string>(); }});
    calc.dlg.OnButton(IDC_RECALL);
    calc.Pick(kRegisterRowA);
    return calc.core.GetCurrentMatrix();
}

double Seconds(const std::function<void()>& run) {
    const auto start = std::chrono::steady_clock::now();
    run();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

TEST(HostileRegisters, DamagedFilesLoadInBothProgramsQuicklyAndUnchanged) {
    ScratchFolder dir(ScratchDirectory::Enter);
    const std::string file = dir / "RegA";
    for (const std::string& bytes : DamagedRegisterFiles(3000)) {
        SCOPED_TRACE(testing::PrintToString(bytes));
        WriteFile(file, bytes);
        const FileStamp before = StampOf(file);
        std::string output;
        const double evaluator =
            Seconds([&] { output = RunWhole(dir.path, "A\nA + A\nquit\nn\n"); });
        NEWMAT::Matrix recalled;
        const double calculator = Seconds([&] { recalled = RecallInCalculator(); });
        EXPECT_LT(std::max(evaluator, calculator), 1.0);
        // No shape may print more lines than 65536 empty rows need.
        EXPECT_LT(output.size(), 300000u);
        // A refused file leaves the calculator's first, empty matrix.
        PackedMatrix packed{0, 0};
        ReadRegisterFile(file, packed);
        EXPECT_EQ(recalled.Nrows(), static_cast<int>(packed[0]));
        EXPECT_EQ(recalled.Ncols(), static_cast<int>(packed[1]));
        EXPECT_EQ(ReadFile(file), bytes);
        EXPECT_EQ(StampOf(file), before);
        ASSERT_EQ(dir.Entries(), std::set<std::string>{"RegA"});
    }
}

// A register larger than memory allows is reported at exit and kept on disk;
// the evaluator starts with the others. Here the allocation itself fails: a
// limit on the address space makes a register the allocation limit accepts
// too large for this process. (AddressSanitizer reserves more address space
// than any such limit allows.)
TEST(HostileRegisters, MemoryRunningOutAtStartUpEndsNothing) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "an address-space limit cannot work under AddressSanitizer";
#endif
    ScratchFolder dir;
    WriteFile(dir / "RegA", Bytes({8000, 8000})); // 512 MB of zeros, sparse
    ASSERT_EQ(truncate((dir / "RegA").c_str(), 16 + 8 * 8000 * 8000), 0);
    WriteFile(dir / "RegC", Bytes({1, 1, 8}));
    RunInChild([&] {
        std::ifstream statm("/proc/self/statm");
        long pages = 0;
        statm >> pages;
        const rlim_t room = static_cast<rlim_t>(pages) * sysconf(_SC_PAGESIZE) + (256 << 20);
        const rlimit limit{room, room};
        setrlimit(RLIMIT_AS, &limit);
        const std::string output = RunWhole(dir.path, "C\nquit\ny\n");
        EXPECT_NE(output.find("Enter expression: 8.0000  \n"), std::string::npos) << output;
        EXPECT_TRUE(output.ends_with("\nRegister A not saved: too large")) << output;
    });
    EXPECT_EQ(fs::file_size(dir / "RegA"), 16u + 8u * 8000 * 8000);
}

// Saving at exit leaves every file that could not be read as it was, unless
// the session gave that register a value; a read-only file is refused.
TEST(HostileRegisters, SavingAtExitKeepsWhatCouldNotBeRead) {
    ScratchFolder dir;
    RunUnprivileged(dir.path, [&] {
        const struct {
            const char* name;
            std::string bytes;
            mode_t mode;
            bool kept;
        } files[] = {
            {"RegC", Bytes({3, 3, 1}), 0644, true},       // damaged
            {"RegD", Bytes({1, 1, 4}), 0000, true},       // unreadable
            {"RegE", Bytes({kNaN, 1, 1}), 0644, true},    // damaged
            {"RegF", Bytes({2, 2, 1}), 0644, false},      // damaged, assigned below
            {"RegG", Bytes({2147483647, 0}), 0644, true}, // damaged, only read below
            {"RegH", Bytes({1, 1, 9}), 0444, true},       // read-only
            {"RegNum", Bytes({1e9, 0}), 0644, true},      // damaged, no number assigned
        };
        for (const auto& f : files) {
            WriteFile(dir / f.name, f.bytes);
            ASSERT_EQ(chmod((dir / f.name).c_str(), f.mode), 0);
        }
        const std::string output = RunWhole(dir.path, "F = 5\nG\nH\nquit\ny\n");
        EXPECT_TRUE(output.ends_with("?\n"
                                     "Register Num not saved: damaged\n"
                                     "Register C not saved: damaged\n"
                                     "Register D not saved: unreadable\n"
                                     "Register E not saved: damaged\n"
                                     "Register G not saved: damaged\n"
                                     "Error: Unable to Open File RegH"))
            << output;
        for (const auto& f : files) {
            chmod((dir / f.name).c_str(), 0600);
            EXPECT_EQ(ReadFile(dir / f.name) == f.bytes, f.kept) << f.name;
        }
        EXPECT_EQ(ReadFile(dir / "RegF"), Bytes({1, 1, 5}));
        EXPECT_EQ(ReadFile(dir / "RegZ"), Bytes({0, 0}));
    });
}

// The calculator's store refuses a read-only register with its save error.
TEST(HostileRegisters, StoringIntoAReadOnlyRegisterIsRefused) {
    ScratchFolder dir;
    RunUnprivileged(dir.path, [&] {
        WriteFile(dir / "RegA", Bytes({1, 1, 9}));
        ASSERT_EQ(chmod((dir / "RegA").c_str(), 0444), 0);
        fs::current_path(dir.path);
        std::ostringstream transcript;
        ScriptedCalculator calc(transcript);
        calc.host.QueueAnswer(ScriptedHost::Answer::Ok);
        NEWMAT::Matrix m(1, 1);
        m = 2.0;
        calc.core.SetCurrentMatrix(m);
        calc.dlg.OnButton(IDC_STORE);
        calc.Pick(kRegisterRowA);
        EXPECT_NE(transcript.str().find("\"File Error\" \"Unable to open file\""),
                  std::string::npos)
            << transcript.str();
        EXPECT_EQ(ReadFile(dir / "RegA"), Bytes({1, 1, 9}));
        EXPECT_EQ(dir.Entries(), std::set<std::string>{"RegA"});
    });
}

} // namespace
