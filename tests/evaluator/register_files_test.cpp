#include "eval_test_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace {

class RegisterFiles : public ::testing::Test {
  protected:
    std::string Run(const std::string& input) { return RunWhole(m_folder.Path(), input); }
    std::filesystem::path File(const std::string& name) const { return m_folder / name; }
    ScratchFolder m_folder;
};

std::string Letter(char c) {
    return std::string("Reg") + c;
}

} // namespace

TEST_F(RegisterFiles, SavingWritesEveryRegisterAndTheNumbers) {
    WriteRegister(File("RegA"), 2, 2, {1, 2, 3, 4});
    Run("C = A * A\nx = 2.5\nz = 26\nyes\n");
    // Answering "yes" is not the answer y: it is the line read by the loop.
    EXPECT_FALSE(std::filesystem::exists(File("RegC")));

    Run("C = A * A\nx = 2.5\nz = 26\nquit\ny\n");
    EXPECT_EQ(ReadDoubles(File("RegA")), (std::vector<double>{2, 2, 1, 2, 3, 4}));
    EXPECT_EQ(ReadDoubles(File("RegC")), (std::vector<double>{2, 2, 7, 10, 15, 22}));
    for (char c = 'D'; c <= 'Z'; ++c) {
        EXPECT_EQ(ReadBytes(File(Letter(c))), std::string(16, '\0')) << c;
    }
    std::vector<double> numbers(28, 0.0);
    numbers[0] = 26;
    numbers[1] = 1;
    numbers[2 + 'x' - 'a'] = 2.5;
    numbers[2 + 'z' - 'a'] = 26;
    EXPECT_EQ(ReadDoubles(File("RegNum")), numbers);

    // The saved numbers and registers come back in the next run.
    const std::vector<std::vector<double>> expected = {{2.5 * 26}};
    EXPECT_EQ(LastResult(Run("C\nx * z\nquit\nn\n")), expected);
    EXPECT_EQ(LastResult(Run("C - A * A\nquit\nY\n")),
              (std::vector<std::vector<double>>{{0, 0}, {0, 0}}));
}

TEST_F(RegisterFiles, AnythingButYLeavesTheFilesAlone) {
    WriteRegister(File("RegA"), 1, 1, {5});
    const std::string before = ReadBytes(File("RegA"));
    for (const char* answer : {"n\n", "N\n", " y\n", "\n", ""}) {
        Run(std::string("A = A * 2\nquit\n") + answer);
        EXPECT_EQ(ReadBytes(File("RegA")), before) << '"' << answer << '"';
        EXPECT_FALSE(std::filesystem::exists(File("RegB"))) << '"' << answer << '"';
    }
}

TEST_F(RegisterFiles, BytesSurviveALoadAndSaveUnchanged) {
    // Values whose bytes would change under any conversion on the way.
    const std::vector<double> elements = {
        0.1, -0.0, 1e-310, std::numeric_limits<double>::max(), -1.0 / 3.0, 6.02214076e23};
    WriteRegister(File("RegM"), 3, 2, elements);
    WriteRegister(File("RegE"), 0, 0, {});
    const std::string m = ReadBytes(File("RegM"));
    ASSERT_EQ(m.size(), 8u * 8);
    Run("M\nquit\ny\n");
    EXPECT_EQ(ReadBytes(File("RegM")), m);
    EXPECT_EQ(ReadBytes(File("RegE")), std::string(16, '\0'));
}

TEST_F(RegisterFiles, DamagedFilesGiveEmptyRegisters) {
    WriteBytes(File("RegA"), "");                       // empty file
    WriteBytes(File("RegB"), std::string(5, '\x7f'));   // shorter than a header
    WriteRegister(File("RegC"), 1000, 1000, {1, 2, 3}); // promises more than it holds
    WriteRegister(File("RegD"), -2, 3, {1, 2, 3, 4, 5, 6});
    WriteDoubles(File("RegE"), {std::nan(""), 2, 1, 2});
    WriteDoubles(File("RegF"), {1e300, 1e300, 1});
    WriteDoubles(File("RegG"), {1.5, 2, 1, 2});
    for (const char* name : {"A", "B", "C", "D", "E", "F", "G", "H"}) {
        const std::string out = Run(std::string(name) + "\nquit\nn\n");
        EXPECT_NE(out.find("Error: Matrix Does Not Exist\n\n"), std::string::npos) << name;
    }
    // Once saved, each of them is the empty register file.
    Run("quit\ny\n");
    for (char c = 'A'; c <= 'H'; ++c) {
        EXPECT_EQ(ReadBytes(File(Letter(c))), std::string(16, '\0')) << c;
    }
}

TEST_F(RegisterFiles, OddButSoundFilesLoad) {
    WriteRegister(File("RegA"), 1, 2, {3, 4});
    // Surplus bytes after the elements are ignored.
    WriteDoubles(File("RegB"), {1, 2, 5, 6, 7, 8, 9});
    EXPECT_EQ(LastResult(Run("A + B\nquit\n")), (std::vector<std::vector<double>>{{8, 10}}));

    // A 0 x 7 matrix has no elements and so does not exist.
    WriteRegister(File("RegZ"), 0, 7, {});
    EXPECT_NE(Run("Z\nquit\n").find("Error: Matrix Does Not Exist\n"), std::string::npos);

    // Rows of "RegNum" past the 26th are ignored, fewer rows fill the first ones.
    std::vector<double> numbers = {30, 1};
    for (int i = 1; i <= 30; ++i)
        numbers.push_back(i);
    WriteDoubles(File("RegNum"), numbers);
    EXPECT_EQ(LastResult(Run("a + z\nquit\n")), (std::vector<std::vector<double>>{{27}}));
    WriteDoubles(File("RegNum"), {2, 1, 7, 8});
    EXPECT_EQ(LastResult(Run("a * b + c\nquit\n")), (std::vector<std::vector<double>>{{56}}));
}

TEST_F(RegisterFiles, AFileThatCannotBeWrittenIsReportedAndTheRestSaved) {
    std::filesystem::create_directory(File("RegQ"));
    const std::string out = Run("quit\ny\n");
    EXPECT_TRUE(out.ends_with("?\nError: Unable to Open File RegQ")) << out;
    EXPECT_TRUE(std::filesystem::is_directory(File("RegQ")));
    EXPECT_EQ(ReadBytes(File("RegZ")), std::string(16, '\0'));
}
