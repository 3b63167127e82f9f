#include "allocation_watch.h"
#include "archive/matrix_file.h"
#include "tests/support/matrix_files.h"
#include "file_test_support.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cmath>
#include <cstdint>

namespace fs = std::filesystem;

namespace {

const double kNaN = std::nan("");
const PackedMatrix kSentinel{1, 1, 42};

// The bytes a save writes are pinned by the evaluator's saved registers (and
// the empty register's 16 zero bytes by the hostile-register tests).
TEST(PackedMatrix, PackUnpackAndShape) {
    PackedMatrix packed;
    ASSERT_EQ(DeserializePacked(Bytes({1, 2, 3, 4, 5}) + "xyz", packed), RegisterFileResult::Ok);
    EXPECT_EQ(packed, (PackedMatrix{1, 2, 3, 4}));
    EXPECT_EQ(UnpackMatrix({2.9, 1.5, 7, 8, 9})(2, 1), 8);

    // Counts are truncated, surplus values ignored, impossible shapes empty.
    const struct {
        PackedMatrix packed;
        int rows, columns;
    } cases[] = {{{}, 0, 0}, {{1}, 0, 0}, {{0, 7}, 0, 7}, {{3, 0}, 3, 0}, {{-0.5, 2}, 0, 2},
                 {{2.9, 1.5, 7, 8, 9}, 2, 1}, {{2, 2, 1, 2, 3}, 0, 0}, {{-1, 1, 5}, 0, 0},
                 {{kNaN, 1, 5}, 0, 0}, {{1, HUGE_VAL, 1}, 0, 0}, {{1e10, 1e10, 1}, 0, 0}};
    for (const auto& c : cases) {
        const NEWMAT::Matrix unpacked = UnpackMatrix(c.packed);
        const PackedShape shape = ShapeOfPacked(c.packed);
        EXPECT_TRUE(unpacked.Nrows() == c.rows && unpacked.Ncols() == c.columns &&
                    shape.rows == c.rows && shape.columns == c.columns)
            << ::testing::PrintToString(c.packed);
    }
}

// Damaged files are refused without reading past their end or allocating on
// the word of their header, and leave the register as it was.
TEST(RegisterFile, DamagedAndRandomFiles) {
    ScratchFolder dir;
    std::vector<std::string> files = {
        "", Bytes({1}) + "1234567", Bytes({2, 3, 1, 2, 3}), Bytes({1e300, 1e300, 1}),
        Bytes({kNaN, 1, 1}), Bytes({1, -kNaN}), Bytes({HUGE_VAL, 0}),
        Bytes({-2, -3, 1, 2, 3, 4, 5, 6}), Bytes({2.5, 1, 1, 2}), Bytes({46341, 46341, 1}),
        Bytes({3e9, 0})};
    const std::size_t damaged = files.size();
    for (const std::string& bytes : DamagedRegisterFiles(600))
        files.push_back(bytes);
    for (std::size_t i = 0; i < files.size(); ++i) {
        const std::string& bytes = files[i];
        WriteFile(dir / "RegD", bytes);
        PackedMatrix fromFile = kSentinel;
        PackedMatrix fromMemory = kSentinel;
        ResetLargestAllocation();
        const RegisterFileResult result = ReadRegisterFile(dir / "RegD", fromFile);
        EXPECT_TRUE(i >= damaged || result == RegisterFileResult::Damaged) << i;
        EXPECT_EQ(DeserializePacked(bytes, fromMemory), result);
        EXPECT_LE(LargestAllocation(), bytes.size() + 1024);
        EXPECT_EQ(fromFile, fromMemory);
        // Loaded straight into a matrix: the same answer and the same matrix.
        NEWMAT::Matrix matrix(2, 2);
        EXPECT_EQ(ReadRegisterMatrix(dir / "RegD", matrix), result) << i;
        PackedMatrix repacked;
        PackMatrix(matrix, repacked);
        EXPECT_EQ(repacked, result == RegisterFileResult::Ok ? fromFile : PackedMatrix(2, 0.0)) << i;
        if (result == RegisterFileResult::Ok) {
            EXPECT_EQ(double(fromFile.size() - 2), fromFile[0] * fromFile[1]);
        } else {
            EXPECT_EQ(result, RegisterFileResult::Damaged);
            EXPECT_EQ(fromFile, kSentinel);
            EXPECT_EQ(LoadMatrixFile(dir / "RegD").Storage(), 0);
        }
    }
}

TEST(RegisterFile, MissingFilesDirectoriesAndPipes) {
    ScratchFolder dir;
    PackedMatrix packed = kSentinel;
    fs::create_directory(dir / "RegY");
    ASSERT_EQ(mkfifo((dir / "RegP").c_str(), 0600), 0); // would block a reader
    EXPECT_EQ(ReadRegisterFile(dir / "RegX", packed), RegisterFileResult::Missing);
    for (const char* name : {"RegY", "RegP"})
        EXPECT_EQ(ReadRegisterFile(dir / name, packed), RegisterFileResult::CannotOpen);
    EXPECT_EQ(packed, kSentinel);
    // A folder at the register's name is never replaced by a save.
    EXPECT_EQ(WriteRegisterFile(dir / "RegY", {1, 1, 6}), RegisterFileResult::CannotCreate);
    EXPECT_TRUE(fs::is_directory(dir / "RegY"));
    EXPECT_EQ(SaveMatrixFile(NEWMAT::Matrix(), dir / "none/RegA"),
              RegisterFileResult::CannotCreate);
}

// Shapes without elements drive a line per row wherever they are shown, so
// only modest ones are accepted; everything else is refused before a byte
// is allocated for it.
TEST(RegisterFile, ExtremeHeaders) {
    ScratchFolder dir;
    const struct {
        std::string bytes;
        RegisterFileResult expected;
    } cases[] = {
        {Bytes({2147483647, 0}), RegisterFileResult::Damaged},
        {Bytes({1e9, 0}), RegisterFileResult::Damaged},
        {Bytes({0, 65537}), RegisterFileResult::Damaged},
        {Bytes({0, 2147483648.0}), RegisterFileResult::Damaged},
        {Bytes({0, 7}), RegisterFileResult::Ok},
        {Bytes({65536, 0}), RegisterFileResult::Ok},
        {Bytes({0, 0}), RegisterFileResult::Ok},
        {Bytes({-0.0, 3}), RegisterFileResult::Ok},
    };
    for (const auto& c : cases) {
        WriteFile(dir / "RegH", c.bytes);
        PackedMatrix packed = kSentinel;
        ResetLargestAllocation();
        EXPECT_EQ(ReadRegisterFile(dir / "RegH", packed), c.expected)
            << ReadFile(dir / "RegH").size();
        EXPECT_LE(LargestAllocation(), 1024u);
        EXPECT_EQ(packed.size(), c.expected == RegisterFileResult::Ok ? 2u : 3u);
    }
    const NEWMAT::Matrix empty = LoadMatrixFile(dir / "RegH");
    EXPECT_EQ(empty.Nrows(), 0);
    EXPECT_EQ(empty.Ncols(), 3);
}

// A file really holding more elements than a matrix may have: a sparse file
// of 65536 x 65536 doubles takes no disk space but promises 2^32 elements.
TEST(RegisterFile, MatricesBeyondTheAllocationLimitAreRefusedUnread) {
    ScratchFolder dir;
    const std::string file = dir / "RegL";
    WriteFile(file, Bytes({65536, 65536}));
    ASSERT_EQ(truncate(file.c_str(), 16 + 8 * (std::int64_t{65536} * 65536)), 0);
    PackedMatrix packed = kSentinel;
    ResetLargestAllocation();
    EXPECT_EQ(ReadRegisterFile(file, packed), RegisterFileResult::TooLarge);
    EXPECT_LE(LargestAllocation(), 1024u);
    EXPECT_EQ(packed, kSentinel);
}

// Memory running out while a register is read is reported, not thrown.
TEST(RegisterFile, MemoryRunningOutWhileLoading) {
    ScratchFolder dir;
    NEWMAT::Matrix m(100, 100);
    m = 3.0;
    ASSERT_EQ(SaveMatrixFile(m, dir / "RegM"), RegisterFileResult::Ok);
    const std::string bytes = ReadFile(dir / "RegM");
    PackedMatrix fromFile = kSentinel;
    PackedMatrix fromMemory = kSentinel;
    NEWMAT::Matrix loaded(1, 1);
    SetAllocationCeiling(50000);
    EXPECT_EQ(ReadRegisterFile(dir / "RegM", fromFile), RegisterFileResult::TooLarge);
    EXPECT_EQ(DeserializePacked(bytes, fromMemory), RegisterFileResult::TooLarge);
    EXPECT_NO_THROW(loaded = LoadMatrixFile(dir / "RegM"));
    SetAllocationCeiling(0);
    EXPECT_EQ(fromFile, kSentinel);
    EXPECT_EQ(fromMemory, kSentinel);
#if !defined(__SANITIZE_ADDRESS__)
    // The matrix is allocated inside newmat's library, whose operator new
    // AddressSanitizer answers before the counting one of this program.
    EXPECT_EQ(loaded.Storage(), 0);
#endif
    EXPECT_EQ(LoadMatrixFile(dir / "RegM").Storage(), 10000);
}

// The rows of the first column set the variables they reach; the others
// keep their values, and a file without columns changes nothing.
TEST(NumericVariables, OnlyTheFirstColumnIsUsed) {
    ScratchFolder dir;
    NumericVariables variables{};
    variables.fill(-1);
    for (const std::string& bytes : {Bytes({3, 2, 10, 11, 20, 21, 30, 31}), Bytes({5, 0})}) {
        WriteFile(dir / "RegNum", bytes);
        LoadNumericVariables(variables, dir / "RegNum");
        EXPECT_EQ(variables[1], 20);
        EXPECT_EQ(variables[2], 30);
        EXPECT_EQ(variables[3], -1);
    }
}

} // namespace
