#include "core/greedy_step.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/core/allocation_failure.h"
#include "tests/core/test_support.h"

using namespace lumo;

namespace {

TEST(GreedyStepTest, AddsThePickedColumnUntilAllIsExplored) {
    // One universe column scored 0 (never picked) and one scored 50.
    const auto universe = SetOf({Scored(8, 0), Scored(9, 50)});
    CColumnSet bet;
    ASSERT_EQ(GreedyStep(bet, *universe, 1), GreedyStepEnd::kAdded);
    ASSERT_EQ(bet.Count(), 1);
    EXPECT_EQ(NaiveIndex(bet[0]), 9);
    EXPECT_EQ(bet[0].marked, 1);
    EXPECT_EQ(bet.covered, 1);

    EXPECT_EQ(GreedyStep(bet, *universe, 1), GreedyStepEnd::kAllExplored);
    EXPECT_EQ(bet.Count(), 1);
    EXPECT_EQ(bet.covered, 1);
    EXPECT_EQ((*universe)[0].marked, 0);
}

TEST(GreedyStepTest, WithoutRoomInTheBetNothingChanges) {
    std::vector<CColumn> columns;
    for (std::int32_t i = 0; i < 100; ++i) {
        columns.push_back(Scored(i, 10));
    }
    CColumnSet bet(100);  // full: one more column needs 101 slots
    FillSet(bet, columns);
    const auto universe = SetOf({Scored(500, 50)});
    {
        const AllocationFailure noRoom(100 * sizeof(CColumn));
        EXPECT_EQ(GreedyStep(bet, *universe, 2), GreedyStepEnd::kNoMemory);
    }
    EXPECT_EQ(bet.Count(), 100);
    EXPECT_EQ(bet.covered, 0);
    EXPECT_EQ(MarkedCount(*universe), 0);
}

}  // namespace
