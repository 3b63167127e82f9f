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

} // namespace

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
