// A line that runs out of memory says so and the evaluator reads the next
// line: the limit lets register A (128 MB) load but not A + A + A beside it.

#include "tests/evaluator/eval_test_support.h"
#include "tests/support/address_space_limit.h"

#include <fstream>

TEST(EvaluatorMemory, ALineThatRunsOutOfMemoryIsAnError) {
    if (!kAddressSpaceLimitUsable) GTEST_SKIP() << "no address-space limit under ASan";
    const ScratchDirectory folder;
    {
        std::ofstream file(folder.path / "RegA", std::ios::binary);
        const double header[2] = {4000, 4000};
        file.write(reinterpret_cast<const char*>(header), sizeof header);
        file.seekp(16 + 8 * 4000 * 4000 - 1);
        file.put('\0');
    }
    EXPECT_TRUE(PassesUnderAddressSpaceLimit(400ULL << 20, [&] {
        std::istringstream in("B = A + A + A\nc = 2\nquit\nn\n");
        std::ostringstream out;
        RunEvaluator(in, out, folder.path);
        const std::string text = out.str();
        return text.find("Error: Not enough memory") != std::string::npos &&
               text.find("Register A not saved") == std::string::npos &&
               text.find("2.0000") != std::string::npos;
    }));
}
