// "Compare": which answers name a register, and what the comparison says.

#include <gtest/gtest.h>

#include <filesystem>
#include <limits>
#include <sstream>

#include "tests/support/calculator_fixture.h"
#include "testscreate/compare_registers.h"

namespace {

TEST(RegisterNamedBy, OnlyASingleLetterNamesARegister) {
    const std::pair<const char*, char> named[] = {
        {"a", 'A'}, {"Z", 'Z'}, {"  q \t", 'Q'}, {"t", 'T'}};
    for (const auto& [answer, letter] : named)
        EXPECT_EQ(RegisterNamedBy(answer), letter) << '"' << answer << '"';
    for (const char* answer :
         {"", "  ", "AB", "A B", "../x", "A/", "/", "1", "tmp", "\xC4", "@", "[", "`", "{"})
        EXPECT_EQ(RegisterNamedBy(answer), std::nullopt) << '"' << answer << '"';
}

class CompareTest : public CalculatorFixture {
  protected:
    void Store(const char* letter, int rows, int columns, std::initializer_list<double> elements) {
        SetCurrent(rows, columns, elements);
        calc.dlg.StoreRegister(letter);
    }

    // Runs Compare with the answers (nullopt: Escape), which must all be
    // asked for, and returns the boxes shown after the introduction.
    std::string Compare(std::initializer_list<std::optional<std::string>> answers) {
        for (const auto& answer : answers)
            calc.host.QueueInput(answer);
        TakeTranscript();
        OnCompare(calc.dlg);
        EXPECT_NO_THROW(calc.host.CheckNothingQueued());
        std::istringstream said(TakeTranscript());
        std::string line, boxes;
        std::getline(said, line);
        EXPECT_TRUE(line.starts_with("message \"Comparison Test\" \"To compare")) << line;
        while (std::getline(said, line))
            if (line.starts_with("message")) boxes += line + "\n";
        return boxes;
    }
};

constexpr char kIdentical[] =
    "message \"Comparison Test\" \"Matrices are identical\" icon=none buttons=ok -> ok\n";
constexpr char kNotIdentical[] =
    "message \"Comparison Test\" \"Matrices are not identical\" icon=none buttons=ok -> ok\n";
constexpr char kMissing[] =
    "message \"Comparison Error\" \"Matrix does not exist\" icon=stop buttons=ok -> ok\n";
constexpr char kUnreadable[] =
    "message \"File Error\" \"Unable to open file\" icon=stop buttons=ok -> ok\n";

TEST_F(CompareTest, ShapesAndElementsMustAgreeExactly) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    Store("A", 2, 2, {1, 2, 3, 4});
    Store("B", 2, 3, {1, 2, 3, 4, 5, 6});
    Store("C", 2, 2, {1, 2, 3, 4 + 1e-15});
    Store("N", 1, 2, {nan, 1});
    Store("M", 1, 2, {5, 1});
    EXPECT_EQ(Compare({"A", "B"}), kNotIdentical);
    EXPECT_EQ(Compare({"A", "C"}), kNotIdentical);
    EXPECT_EQ(Compare({"N", "N"}), kIdentical);
    EXPECT_EQ(Compare({"N", "M"}), kNotIdentical);
    // The second register is the current matrix afterwards.
    EXPECT_EQ(calc.dlg.GetCurrentMatrix()(1, 1), 5.0);
}

TEST_F(CompareTest, AnythingButALetterOpensNoFile) {
    Store("A", 1, 1, {7});
    // A file that a crafted answer would have reached.
    Store("X", 1, 1, {7});
    std::filesystem::rename("RegX", "Reg..");
    for (const char* answer : {"..", "../RegA", "A/", "AA", "", "tmp"}) {
        SCOPED_TRACE(answer);
        EXPECT_EQ(Compare({answer}), kMissing);
        EXPECT_EQ(Compare({"A", answer}), kMissing);
    }
}

TEST_F(CompareTest, AMissingRegisterIsNeverComparedAsTheOneBefore) {
    Store("A", 1, 1, {7});
    EXPECT_EQ(Compare({"A", "Q"}), std::string(kUnreadable) + kMissing);
    EXPECT_EQ(Compare({"Q"}), std::string(kUnreadable) + kMissing);
    // A register holding the empty matrix holds no matrix to compare.
    calc.dlg.ClearCalculator();
    calc.dlg.StoreRegister("E");
    EXPECT_EQ(Compare({"E"}), kMissing);
}

} // namespace
