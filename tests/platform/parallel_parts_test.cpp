#include "platform/parallel_parts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <stdexcept>
#include <thread>
#include <vector>

namespace {

TEST(PartsFor, OnePartForSmallWorkAndNeverMorePartsThanUnits) {
    EXPECT_EQ(PartsFor(999, 1000), 1u);
    EXPECT_EQ(PartsFor(1, 0), 1u);
    EXPECT_EQ(PartsFor(1u << 20, 1000), std::max(1u, std::thread::hardware_concurrency()));
    const ForcedParts forced(5);
    EXPECT_EQ(PartsFor(999, 1000), 5u);
    EXPECT_EQ(PartsFor(3, 1000), 3u);
    EXPECT_EQ(PartsFor(0, 1000), 1u);
}

// Every part runs once, each on a thread of its own but the first, and what
// a part throws reaches the caller only once every part has finished.
TEST(RunParts, EveryPartRunsOnceAndFailuresWaitForTheRest) {
    std::vector<int> runs(6, 0);
    std::vector<std::thread::id> threads(6);
    RunParts(runs.size(), [&](std::size_t k) {
        ++runs[k];
        threads[k] = std::this_thread::get_id();
    });
    EXPECT_EQ(runs, std::vector<int>(6, 1));
    EXPECT_EQ(threads[0], std::this_thread::get_id());
    EXPECT_NE(threads[1], std::this_thread::get_id());

    std::atomic<int> finished{0};
    EXPECT_THROW(RunParts(4,
                          [&](std::size_t k) {
                              if (k == 0) throw std::runtime_error("first part");
                              std::this_thread::sleep_for(std::chrono::milliseconds(20));
                              ++finished;
                          }),
                 std::runtime_error);
    EXPECT_EQ(finished, 3);
}

} // namespace
