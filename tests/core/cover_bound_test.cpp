#include "core/internal/cover_bound.h"

#include <gtest/gtest.h>

#include <random>
#include <stop_token>
#include <vector>

#include "core/internal/greedy_cover.h"
#include "tests/core/test_support.h"

namespace {

const SearchLimit kSteps{.time = std::chrono::hours(1), .moves = 60};

TEST(CoverBoundTest, NeverExceedsTheSmallestCoveringNorFallsBelowTheKnownBound) {
    std::mt19937 engine(12);
    std::int32_t raised = 0;
    for (std::int32_t round = 0; round < 10; ++round) {
        const std::vector<CColumn> columns =
            SmallClusteredBet(engine, 3 + round % 2, 10 + static_cast<std::size_t>(round));
        const BetIndex index(*SetOf(columns));
        for (const std::int32_t radius : {1, 2}) {
            const GreedyCovering greedy = GreedyCover(index, radius);
            const auto upper = static_cast<std::int32_t>(greedy.chosen.size());
            const std::int32_t bound =
                LagrangianBound(index, radius, greedy.lowerBound, upper, kSteps);
            EXPECT_GE(bound, greedy.lowerBound);
            raised += bound > greedy.lowerBound ? 1 : 0;
            EXPECT_LE(bound, SmallestCovering(columns, RadiusOf(radius)))
                << "round " << round << " radius " << radius;
        }
    }
    // The steps raise the bound above the local sphere bound on some bets.
    EXPECT_GT(raised, 0);
}

TEST(CoverBoundTest, ClosesOnTheSmallestCoveringOfAllColumnsOfFourMatches) {
    // All 81 columns of four matches at radius 1: the tetracode's 9 columns
    // meet the sphere bound 81 / 9, which the relaxation keeps whatever
    // bound it is told.
    std::vector<CColumn> all;
    for (std::int32_t index = 0; index < 81; ++index) {
        all.emplace_back(index);
    }
    const BetIndex index(*SetOf(all));
    EXPECT_EQ(LagrangianBound(index, 1, 0, 12, kSteps), 9);
}

TEST(CoverBoundTest, AStopRequestGivesTheKnownBound) {
    std::mt19937 engine(3);
    const BetIndex index(*SetOf(ClusteredBet(engine, 300)));
    std::stop_source source;
    source.request_stop();
    EXPECT_EQ(
        LagrangianBound(index, 1, 7, 100,
                        {.time = std::chrono::hours(1), .moves = 1000, .stop = source.get_token()}),
        7);
}

}  // namespace
