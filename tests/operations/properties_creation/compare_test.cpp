// "Compare": which answers name a register. What the comparison says (exact
// agreement, a missing or empty register, path-like answers that must not
// reach a planted "Reg.." file) is pinned by the matrix_tests transcript.

#include <gtest/gtest.h>

#include "operations/properties_creation/compare_registers.h"

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

} // namespace
