#include "reduction/internal/chunk_team.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <vector>

#include "tests/reduction/thread_room.h"

using namespace lumo;
using namespace lumo::internal;

namespace {

// Counts how often each item of every run is worked on, over many runs of
// one team (as a loop of short updates makes them), sizes below and above
// the number of members among them.
TEST(ChunkTeamTest, EveryRunWorksOnEachItemExactlyOnce) {
    ChunkTeam team;
    ASSERT_GE(team.Members(), 1);
    for (std::int32_t run = 0; run < 2000; ++run) {
        const std::int32_t count = run % 37;
        std::vector<std::atomic<std::int32_t>> seen(static_cast<std::size_t>(count));
        team.Run(count, [&seen](std::int32_t begin, std::int32_t end) {
            for (std::int32_t i = begin; i < end; ++i) {
                ++seen[static_cast<std::size_t>(i)];
            }
        });
        for (std::int32_t i = 0; i < count; ++i) {
            ASSERT_EQ(seen[static_cast<std::size_t>(i)].load(), 1)
                << "run " << run << " item " << i;
        }
    }
}

TEST(ChunkTeamTest, ARunSeesWhatTheCallerWroteAndTheCallerSeesItsResults) {
    ChunkTeam team;
    std::vector<std::int64_t> values(1000);
    for (std::int32_t run = 1; run <= 200; ++run) {
        std::fill(values.begin(), values.end(), run);
        team.Run(static_cast<std::int32_t>(values.size()),
                 [&values](std::int32_t begin, std::int32_t end) {
                     for (std::int32_t i = begin; i < end; ++i) {
                         values[static_cast<std::size_t>(i)] *= 2;
                     }
                 });
        ASSERT_TRUE(std::all_of(values.begin(), values.end(),
                                [run](std::int64_t value) { return value == 2 * run; }))
            << "run " << run;
    }
}

// Makes a team with no room in the address space for a helper's stack and
// runs 64 items; exits 0 when the caller alone worked on every item once.
[[noreturn]] void RunWithoutRoomForHelpers() {
    std::vector<std::atomic<std::int32_t>> seen(64);
    LeaveNoRoomForThreads();
    ChunkTeam team;
    team.Run(64, [&seen](std::int32_t begin, std::int32_t end) {
        for (std::int32_t i = begin; i < end; ++i) {
            ++seen[static_cast<std::size_t>(i)];
        }
    });
    const bool once =
        std::all_of(seen.begin(), seen.end(), [](const auto& times) { return times.load() == 1; });
    std::exit(once && team.Members() == 1 ? 0 : 1);
}

TEST(ChunkTeamTest, NoHelperToBeHadLeavesTheWorkToTheCaller) {
#ifdef __SANITIZE_ADDRESS__
    GTEST_SKIP() << "the address sanitizer's own allocations fail under an address-space limit";
#endif
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(RunWithoutRoomForHelpers(), ::testing::ExitedWithCode(0), "");
}

}  // namespace
