#include "reduction/internal/cover_bound.h"

#include <gtest/gtest.h>

#include <limits>
#include <random>
#include <stop_token>
#include <vector>

#include "reduction/internal/greedy_cover.h"
#include "tests/core/test_support.h"

using namespace lumo;
using namespace lumo::internal;

namespace {

// Few steps and many take their steps by different rules.
class CoverBoundStepsTest : public testing::TestWithParam<std::int64_t> {};

INSTANTIATE_TEST_SUITE_P(FewAndMany, CoverBoundStepsTest, testing::Values(10, 60, 400));

TEST_P(CoverBoundStepsTest, NeverExceedsTheSmallestCoveringNorFallsBelowTheKnownBound) {
    const SearchLimit steps{.time = std::chrono::hours(1), .moves = GetParam()};
    std::mt19937 engine(12);
    std::int32_t raised = 0;
    for (std::int32_t round = 0; round < 10; ++round) {
        const std::vector<CColumn> columns =
            SmallClusteredBet(engine, 3 + round % 2, 10 + static_cast<std::size_t>(round));
        const BetIndex index(*SetOf(columns));
        for (const std::int32_t radius : {1, 2}) {
            const GreedyCovering greedy = GreedyCover({index, radius});
            const auto upper = static_cast<std::int32_t>(greedy.chosen.size());
            const std::int32_t bound =
                LagrangianBound({index, radius}, greedy.lowerBound, upper, steps);
            EXPECT_GE(bound, greedy.lowerBound);
            raised += bound > greedy.lowerBound ? 1 : 0;
            EXPECT_LE(bound, SmallestCovering(columns, RadiusOf(radius)))
                << "round " << round << " radius " << radius;
        }
    }
    // The steps raise the bound above the local sphere bound on some bets.
    EXPECT_GT(raised, 0);
}

TEST_P(CoverBoundStepsTest, ClosesOnTheSmallestCoveringOfAllColumnsOfFourMatches) {
    // All 81 columns of four matches at radius 1: the tetracode's 9 columns
    // meet the sphere bound 81 / 9, which the relaxation keeps whatever
    // bound it is told.
    std::vector<CColumn> all;
    for (std::int32_t index = 0; index < 81; ++index) {
        all.emplace_back(index);
    }
    const BetIndex index(*SetOf(all));
    EXPECT_EQ(
        LagrangianBound({index, 1}, 0, 12, {.time = std::chrono::hours(1), .moves = GetParam()}),
        9);
}

// An effort of so many steps and no time takes exactly those steps, aimed as
// a cap of that many moves aims them, whatever the time they take.
TEST_P(CoverBoundStepsTest, AnEffortOfStepsTakesThemAsACapOfMovesDoes) {
    std::mt19937 engine(7);
    const BetIndex index(*SetOf(ClusteredBet(engine, 400)));
    const GreedyCovering greedy = GreedyCover({index, 1});
    const auto upper = static_cast<std::int32_t>(greedy.chosen.size());
    const std::int32_t capped = LagrangianBound(
        {index, 1}, greedy.lowerBound, upper, {.time = std::chrono::hours(1), .moves = GetParam()});
    const std::int32_t effort = LagrangianBound(
        {index, 1}, greedy.lowerBound, upper,
        {.time = std::chrono::hours(1), .moves = std::numeric_limits<std::int64_t>::max()},
        {.time = std::chrono::steady_clock::duration::zero(), .leastSteps = GetParam()});
    EXPECT_EQ(effort, capped);
}

// The local sphere bound's own multipliers give that bound; scaled by the
// best factor they give more on some bets before any step is taken.
TEST(CoverBoundTest, ScalingTheMultipliersRaisesTheBoundAtOnce) {
    std::mt19937 engine(5);
    std::int32_t raised = 0;
    for (std::int32_t round = 0; round < 8; ++round) {
        const BetIndex index(*SetOf(ClusteredBet(engine, 200 + 50 * round)));
        const GreedyCovering greedy = GreedyCover({index, 1});
        const std::int32_t bound = LagrangianBound({index, 1}, greedy.lowerBound,
                                                   static_cast<std::int32_t>(greedy.chosen.size()),
                                                   {.time = std::chrono::hours(1), .moves = 1});
        raised += bound > greedy.lowerBound ? 1 : 0;
    }
    EXPECT_GT(raised, 0);
}

TEST(CoverBoundTest, AStopRequestGivesTheKnownBound) {
    std::mt19937 engine(3);
    const BetIndex index(*SetOf(ClusteredBet(engine, 300)));
    std::stop_source source;
    source.request_stop();
    EXPECT_EQ(
        LagrangianBound({index, 1}, 7, 100,
                        {.time = std::chrono::hours(1), .moves = 1000, .stop = source.get_token()}),
        7);
}

}  // namespace
