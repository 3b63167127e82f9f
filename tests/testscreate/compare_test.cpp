// "Compare": which answers name a register. What the comparison says (exact
// agreement, a missing or empty register) is pinned by the matrix_tests
// transcript.

#include <gtest/gtest.h>

#include <filesystem>
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

constexpr char kMissing[] =
    "message \"Comparison Error\" \"Matrix does not exist\" icon=stop buttons=ok -> ok\n";
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

} // namespace
