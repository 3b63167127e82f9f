#include "archive/matrix_file.h"
#include "archive/register_file.h"
#include "archive_test_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <sys/stat.h>

namespace {

const PackedMatrix kSentinel{1, 1, 42};

TEST(RegisterBytes, AreTheRawLittleEndianPackedValues) {
    EXPECT_EQ(SerializePacked({2, 3, 1, 2, 3, 4, 5, 6}), DoubleBytes({2, 3, 1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(SerializePacked({1, 1, 5}).size(), 24u);
    EXPECT_EQ(SerializePacked({0, 0}), std::string(16, '\0'));
}

TEST(RegisterBytes, ReadOnlyWhatTheHeaderPromises) {
    PackedMatrix packed;
    ASSERT_EQ(DeserializePacked(DoubleBytes({1, 2, 7, 8, 99, 100}), packed),
              RegisterFileResult::Ok);
    EXPECT_EQ(packed, (PackedMatrix{1, 2, 7, 8}));
    ASSERT_EQ(DeserializePacked(DoubleBytes({0, 7}), packed), RegisterFileResult::Ok);
    EXPECT_EQ(packed, (PackedMatrix{0, 7}));
    // An incomplete last value is surplus too.
    ASSERT_EQ(DeserializePacked(DoubleBytes({1, 1, 5}) + "abc", packed), RegisterFileResult::Ok);
    EXPECT_EQ(packed, (PackedMatrix{1, 1, 5}));
}

// Files that are no register file must be refused without reading past their
// end or allocating on the word of their header.
TEST(RegisterFile, DamagedFilesAreRefusedAndChangeNothing) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const std::string damaged[] = {
        "",
        DoubleBytes({1}),
        DoubleBytes({1}) + "1234567",
        DoubleBytes({2, 3, 1, 2, 3}),
        DoubleBytes({1e300, 1e300, 1}),
        DoubleBytes({nan, 1, 1}),
        DoubleBytes({1, nan, 1}),
        DoubleBytes({inf, 0}),
        DoubleBytes({-1, -1, 1}),
        DoubleBytes({-2, 3}),
        DoubleBytes({2.5, 1, 1, 2}),
        DoubleBytes({46341, 46341, 1}),
        DoubleBytes({3e9, 0}),
        DoubleBytes({1e6, 1e6, 1, 2, 3}),
    };
    ScratchDirectory directory("damaged");
    const std::string file = directory.File("RegD");
    for (const std::string& bytes : damaged) {
        SCOPED_TRACE(bytes.size());
        WriteBytes(file, bytes);
        PackedMatrix packed = kSentinel;
        ResetLargestAllocation();
        EXPECT_EQ(ReadRegisterFile(file, packed), RegisterFileResult::Damaged);
        EXPECT_LE(LargestAllocation(), bytes.size() + 1024);
        EXPECT_EQ(packed, kSentinel);
        EXPECT_EQ(DeserializePacked(bytes, packed), RegisterFileResult::Damaged);
        EXPECT_EQ(packed, kSentinel);
        const NEWMAT::Matrix loaded = LoadMatrixFile(file);
        EXPECT_EQ(loaded.Nrows(), 0);
        EXPECT_EQ(loaded.Ncols(), 0);
    }
}

TEST(RegisterFile, HeaderShapeAndSurplusBytes) {
    ScratchDirectory directory("shape");
    const std::string file = directory.File("RegS");
    WriteBytes(file, DoubleBytes({0, 7}));
    const NEWMAT::Matrix wide = LoadMatrixFile(file);
    EXPECT_EQ(wide.Nrows(), 0);
    EXPECT_EQ(wide.Ncols(), 7);

    WriteBytes(file, DoubleBytes({1, 2, 3, 4, 5, 6}) + "xyz");
    PackedMatrix packed;
    ASSERT_EQ(ReadRegisterFile(file, packed), RegisterFileResult::Ok);
    EXPECT_EQ(packed, (PackedMatrix{1, 2, 3, 4}));
}

TEST(RegisterFile, MissingOrUnreadableFilesCannotBeOpened) {
    ScratchDirectory directory("missing");
    PackedMatrix packed = kSentinel;
    EXPECT_EQ(ReadRegisterFile(directory.File("RegX"), packed), RegisterFileResult::CannotOpen);
    std::filesystem::create_directory(directory.File("RegY"));
    EXPECT_EQ(ReadRegisterFile(directory.File("RegY"), packed), RegisterFileResult::CannotOpen);
    // A pipe would block the reader for ever.
    ASSERT_EQ(mkfifo(directory.File("RegP").c_str(), 0600), 0);
    EXPECT_EQ(ReadRegisterFile(directory.File("RegP"), packed), RegisterFileResult::CannotOpen);
    EXPECT_EQ(packed, kSentinel);
    EXPECT_EQ(LoadMatrixFile(directory.File("RegX")).Storage(), 0);
}

TEST(RegisterFile, SaveReplacesTheFileAndLeavesNoTemporary) {
    ScratchDirectory directory("replace");
    const std::string file = directory.File("RegA");
    ASSERT_EQ(WriteRegisterFile(file, {2, 3, 1, 2, 3, 4, 5, 6}), RegisterFileResult::Ok);
    ASSERT_EQ(WriteRegisterFile(file, {1, 1, 5}), RegisterFileResult::Ok);
    EXPECT_EQ(ReadBytes(file), DoubleBytes({1, 1, 5}));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(directory.Path()),
                            std::filesystem::directory_iterator()),
              1);
}

TEST(RegisterFile, FailedSaveIsReportedAndKeepsTheOldRegister) {
    ScratchDirectory directory("failed");
    const std::string file = directory.File("RegQ");
    ASSERT_EQ(WriteRegisterFile(file, {1, 1, 5}), RegisterFileResult::Ok);
    // A directory where the temporary file would go makes the save fail.
    std::filesystem::create_directory(file + ".tmp");
    EXPECT_EQ(WriteRegisterFile(file, {1, 1, 6}), RegisterFileResult::CannotCreate);
    EXPECT_EQ(ReadBytes(file), DoubleBytes({1, 1, 5}));
    EXPECT_EQ(SaveMatrixFile(NEWMAT::Matrix(), directory.File("nowhere/RegA")),
              RegisterFileResult::CannotCreate);
}

TEST(RegisterFile, BothProgramsReadEachOthersFilesByteForByte) {
    ScratchDirectory directory("exchange");
    std::mt19937_64 random(11);
    std::normal_distribution<double> value(0, 1e6);
    NEWMAT::Matrix m(37, 23);
    for (int r = 1; r <= 37; ++r)
        for (int c = 1; c <= 23; ++c)
            m(r, c) = value(random);

    // Evaluator saves, calculator recalls and stores again.
    ASSERT_EQ(SaveMatrixFile(m, directory.File("RegE")), RegisterFileResult::Ok);
    PackedMatrix packed;
    ASSERT_EQ(ReadRegisterFile(directory.File("RegE"), packed), RegisterFileResult::Ok);
    ASSERT_EQ(WriteRegisterFile(directory.File("RegC"), packed), RegisterFileResult::Ok);
    EXPECT_EQ(ReadBytes(directory.File("RegC")), ReadBytes(directory.File("RegE")));
    EXPECT_EQ(ReadBytes(directory.File("RegE")).size(), 8u * (2 + 37 * 23));

    const NEWMAT::Matrix back = LoadMatrixFile(directory.File("RegC"));
    ASSERT_EQ(back.Nrows(), 37);
    ASSERT_EQ(back.Ncols(), 23);
    for (int r = 1; r <= 37; ++r)
        for (int c = 1; c <= 23; ++c)
            EXPECT_EQ(back(r, c), m(r, c));

    ASSERT_EQ(SaveMatrixFile(NEWMAT::Matrix(), directory.File("RegF")), RegisterFileResult::Ok);
    EXPECT_EQ(ReadBytes(directory.File("RegF")), std::string(16, '\0'));
    EXPECT_EQ(LoadMatrixFile(directory.File("RegF")).Storage(), 0);
}

TEST(NumericVariables, OnlyTheFirst26RowsOfTheFirstColumnAreUsed) {
    ScratchDirectory directory("numbers");
    const std::string file = directory.File("RegNum");
    NumericVariables variables{};
    variables.fill(-1);

    WriteBytes(file, DoubleBytes({3, 2, 10, 11, 20, 21, 30, 31}));
    LoadNumericVariables(variables, file);
    EXPECT_EQ(variables[0], 10);
    EXPECT_EQ(variables[2], 30);
    EXPECT_EQ(variables[3], -1);

    PackedMatrix tall{30, 1};
    for (int i = 0; i < 30; ++i)
        tall.push_back(100 + i);
    ASSERT_EQ(WriteRegisterFile(file, tall), RegisterFileResult::Ok);
    LoadNumericVariables(variables, file);
    EXPECT_EQ(variables[25], 125);

    variables.fill(-1);
    WriteBytes(file, DoubleBytes({5, 0}));
    LoadNumericVariables(variables, file);
    WriteBytes(file, DoubleBytes({5e300, 1, 0}));
    LoadNumericVariables(variables, file);
    EXPECT_EQ(variables[0], -1);

    for (std::size_t i = 0; i < variables.size(); ++i)
        variables[i] = 0.5 * i;
    ASSERT_EQ(SaveNumericVariables(variables, file), RegisterFileResult::Ok);
    EXPECT_EQ(ReadBytes(file).size(), 8u * 28);
    NumericVariables loaded{};
    LoadNumericVariables(loaded, file);
    EXPECT_EQ(loaded, variables);
}

} // namespace
