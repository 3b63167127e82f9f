// Operands and results move between the registers, the accumulator and the
// assigned variable without copies: a register read as an operand keeps its
// value, and each result lands where it is shown and stored.

#include "tests/evaluator/eval_test_support.h"

#include <filesystem>
#include <regex>

TEST(OperandStorage, RegistersKeepTheirValuesWhileResultsMoveOn) {
    const ScratchDirectory scratch;
    WriteRegister(scratch.path / "RegA", 2, 2, {2, 1, 1, 3});
    const std::string out = RunWhole(scratch.path,
                                     "det(A)\n"
                                     "B = inv(A)\n"
                                     "A * B\n"
                                     "C = A * A\n"
                                     "A\n"
                                     "C\n"
                                     "quit\nn\n");
    // det(A), then B shown as assigned, then A·A⁻¹, A·A, A and C again.
    EXPECT_NE(out.find("5.0000  \n"), std::string::npos) << out;
    EXPECT_NE(out.find("0.6000  -0.2000  \n-0.2000  0.4000  \n"), std::string::npos) << out;
    EXPECT_TRUE(std::regex_search(out, std::regex("1\\.0000  -?0\\.0000  \n-?0\\.0000  1\\.0000  \n")))
        << out;
    const std::string square = "5.0000  5.0000  \n5.0000  10.0000  \n";
    const std::size_t first = out.find(square);
    ASSERT_NE(first, std::string::npos) << out;
    EXPECT_NE(out.find("2.0000  1.0000  \n1.0000  3.0000  \n"), std::string::npos) << out;
    EXPECT_NE(out.find(square, first + 1), std::string::npos) << out;
}
