#include "reduction/internal/parallel_chunks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <thread>
#include <vector>

#include "tests/reduction/thread_room.h"

using namespace lumo;
using namespace lumo::internal;

namespace {

TEST(ParallelChunksTest, EveryItemIsWorkedOnExactlyOnce) {
    for (const std::int32_t count : {0, 1, 2, 7, 1000}) {
        std::vector<std::atomic<std::int32_t>> seen(static_cast<std::size_t>(count));
        RunInChunks(count, [&seen](std::int32_t begin, std::int32_t end) {
            for (std::int32_t i = begin; i < end; ++i) {
                ++seen[static_cast<std::size_t>(i)];
            }
        });
        for (const auto& times : seen) {
            EXPECT_EQ(times.load(), 1) << "count " << count;
        }
    }
}

// Runs 64 items in chunks with no room in the address space for another
// thread's stack; exits 0 when every item ran once.
[[noreturn]] void RunWithoutRoomForThreads() {
    std::vector<std::atomic<std::int32_t>> seen(64);
    LeaveNoRoomForThreads();
    RunInChunks(64, [&seen](std::int32_t begin, std::int32_t end) {
        for (std::int32_t i = begin; i < end; ++i) {
            ++seen[static_cast<std::size_t>(i)];
        }
    });
    const bool once =
        std::all_of(seen.begin(), seen.end(), [](const auto& times) { return times.load() == 1; });
    std::exit(once ? 0 : 1);
}

TEST(ParallelChunksTest, NoThreadToBeHadRunsEveryChunkOnTheCallingThread) {
    if (std::thread::hardware_concurrency() < 2) {
        GTEST_SKIP() << "one hardware thread: no helper thread is ever made";
    }
#ifdef __SANITIZE_ADDRESS__
    GTEST_SKIP() << "the address sanitizer's own allocations fail under an address-space limit";
#endif
    // A fresh process: one forked from here could reuse the cached stack of
    // a thread that ended.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(RunWithoutRoomForThreads(), ::testing::ExitedWithCode(0), "");
}

}  // namespace
