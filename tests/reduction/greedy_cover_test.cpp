#include "reduction/internal/greedy_cover.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <utility>
#include <vector>

#include "tests/core/test_support.h"
#include "tests/reduction/column_ids.h"

using namespace lumo;
using namespace lumo::internal;

namespace {

TEST(GreedyCoverTest, EveryGuaranteeHoldsOnRandomBets) {
    std::mt19937 engine(5);
    for (std::int32_t round = 0; round < 12; ++round) {
        const std::vector<CColumn> columns =
            ClusteredBet(engine, 150 + 60 * static_cast<std::size_t>(round));
        const auto bet = SetOf(columns);
        const BetIndex index(*bet);
        for (std::int32_t guarantee = 10; guarantee <= kMatches; ++guarantee) {
            const std::int32_t radius = RadiusOf(guarantee);
            std::vector<std::int32_t> cover = GreedyCover({index, radius}).chosen;
            ASSERT_TRUE(std::is_sorted(cover.begin(), cover.end()));
            EXPECT_EQ(NaiveFirstUncovered(columns, ColumnsOfIds(index, cover), guarantee),
                      std::nullopt)
                << "round " << round << " guarantee " << guarantee;
            const std::size_t greedySize = cover.size();
            DropRedundant({index, radius}, cover);
            EXPECT_LE(cover.size(), greedySize);
            EXPECT_EQ(NaiveFirstUncovered(columns, ColumnsOfIds(index, cover), guarantee),
                      std::nullopt);
            if (guarantee == kMatches) {
                EXPECT_EQ(static_cast<std::int32_t>(cover.size()), index.Size());
            }
        }
    }
}

// The ball sums before the first column take long on a large bet: the
// progress moves past 0 before any column is chosen, and never goes back.
TEST(GreedyCoverTest, ThePreparationReportsBeforeTheFirstColumn) {
    std::mt19937 engine(3);
    const auto bet = SetOf(ClusteredBet(engine, 600));
    const BetIndex index(*bet);
    std::stop_source source;
    std::vector<std::int32_t> reports;
    const GreedyCovering greedy =
        GreedyCover({index, 2}, {}, source.get_token(), [&](std::int32_t position) {
            reports.push_back(position);
            if (position > 0) {
                source.request_stop();
            }
        });
    EXPECT_FALSE(greedy.complete);
    EXPECT_TRUE(greedy.chosen.empty());
    EXPECT_TRUE(std::is_sorted(reports.begin(), reports.end()));
}

TEST(GreedyCoverTest, TakesTheLargestGainThenTheHigherScoreThenTheEarlierColumn) {
    // Three columns in a row at distance 1 from each other's neighbours:
    // the middle one reaches all three at radius 1.
    const CColumn left = ColumnOf("11111111111111");
    const CColumn middle = ColumnOf("X1111111111111");
    const CColumn right = ColumnOf("XX111111111111");
    const auto line = SetOf({Scored(left, 90), Scored(middle, 10), Scored(right, 90)});
    EXPECT_EQ(GreedyCover({BetIndex(*line), 1}).chosen, (std::vector<std::int32_t>{1}));
    // Two apart: equal gains, so the higher score wins, then the earlier.
    const auto pair = SetOf({Scored(left, 10), Scored(middle, 20)});
    EXPECT_EQ(GreedyCover({BetIndex(*pair), 1}).chosen, (std::vector<std::int32_t>{1}));
    const auto tie = SetOf({Scored(left, 20), Scored(middle, 20)});
    EXPECT_EQ(GreedyCover({BetIndex(*tie), 1}).chosen, (std::vector<std::int32_t>{0}));
}

// Every choice equals one made by recounting every column's weighted gain
// from scratch, on a bet dense enough that each choice covers hundreds of
// columns at once (the updates large enough to be shared among threads).
TEST(GreedyCoverTest, EachChoiceIsTheLargestGainRecountedFromScratch) {
    std::mt19937 engine(11);
    std::uniform_int_distribution<std::int32_t> score(0, 3);
    std::vector<CColumn> columns;
    for (std::int32_t index = 0; index < 3 * 3 * 3 * 3 * 3 * 3 * 3; ++index) {
        columns.push_back(Scored(CColumn(index * 9), score(engine)));
    }
    const auto bet = SetOf(columns);
    BetIndex index(*bet);
    // The balls walked, and kept in lists (shared updates on fewer indices).
    for (const auto& [radius, kept] : {std::pair{2, -1}, std::pair{3, -1}, std::pair{3, 3}}) {
        index.KeepBalls(radius, kept < 0 ? 0 : std::int64_t{1} << 30);
        ASSERT_EQ(index.KeptRadius(), kept);
        const std::vector<std::int64_t> weight = CoverWeights(index.CountsNear(radius));
        std::vector<bool> covered(columns.size(), false);
        std::vector<std::int32_t> expected;
        for (;;) {
            std::int32_t best = -1;
            std::int64_t bestGain = 0;
            for (std::int32_t id = 0; id < index.Size(); ++id) {
                std::int64_t gain = 0;
                index.ForEachNear(id, radius, [&](std::int32_t near) {
                    gain += covered[static_cast<std::size_t>(near)]
                                ? 0
                                : weight[static_cast<std::size_t>(near)];
                });
                if (gain > bestGain ||
                    (gain == bestGain && gain > 0 && index.ScoreOf(id) > index.ScoreOf(best))) {
                    best = id;
                    bestGain = gain;
                }
            }
            if (best < 0) {
                break;
            }
            expected.push_back(best);
            index.ForEachNear(best, radius, [&](std::int32_t near) {
                covered[static_cast<std::size_t>(near)] = true;
            });
        }
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(GreedyCover({index, radius}).chosen, expected)
            << "radius " << radius << " kept " << kept;
    }
}

TEST(GreedyCoverTest, AColumnFewOthersReachWeighsMore) {
    // At radius 1 the ends of the line reach two columns and the middle three.
    const auto line =
        SetOf({ColumnOf("11111111111111"), ColumnOf("X1111111111111"), ColumnOf("XX111111111111")});
    const std::vector<std::int64_t> weight = CoverWeights(BetIndex(*line).CountsNear(1));
    ASSERT_EQ(weight.size(), 3U);
    EXPECT_EQ(weight[0], weight[2]);
    EXPECT_NEAR(static_cast<double>(weight[0]) / static_cast<double>(weight[1]), 9.0 / 4.0, 1e-9);
    // Alone, every column reaches only itself: all weigh the same.
    const std::vector<std::int64_t> apart = CoverWeights(BetIndex(*line).CountsNear(0));
    EXPECT_EQ(apart, std::vector<std::int64_t>(3, apart[0]));
}

TEST(GreedyCoverTest, TheLocalSphereBoundNeverExceedsTheSmallestCovering) {
    std::mt19937 engine(8);
    for (std::int32_t round = 0; round < 12; ++round) {
        const std::vector<CColumn> columns =
            SmallClusteredBet(engine, 3 + round % 2, 8 + static_cast<std::size_t>(round));
        const BetIndex index(*SetOf(columns));
        for (const std::int32_t radius : {1, 2}) {
            const GreedyCovering greedy = GreedyCover({index, radius});
            const std::int32_t smallest = SmallestCovering(columns, RadiusOf(radius));
            EXPECT_GE(greedy.lowerBound, 1);
            EXPECT_LE(greedy.lowerBound, smallest) << "round " << round << " radius " << radius;
            EXPECT_LE(smallest, static_cast<std::int32_t>(greedy.chosen.size()));
        }
    }
    // All 27 columns of three matches at radius 1: balls of 7, so 27 / 7
    // rounded up; the smallest covering has 5.
    std::vector<CColumn> all;
    for (std::int32_t index = 0; index < 27; ++index) {
        all.emplace_back(index);
    }
    EXPECT_EQ(GreedyCover({BetIndex(*SetOf(all)), 1}).lowerBound, 4);
    EXPECT_EQ(SmallestCovering(all, 13), 5);
}

TEST(GreedyCoverTest, DropRedundantRemovesTheLowestScoredSpareColumn) {
    const auto bet =
        SetOf({Scored(ColumnOf("11111111111111"), 50), Scored(ColumnOf("X1111111111111"), 40),
               Scored(ColumnOf("21111111111111"), 60)});
    const BetIndex index(*bet);
    std::vector<std::int32_t> cover{0, 1, 2};  // any one covers all at radius 1
    DropRedundant({index, 1}, cover);
    EXPECT_EQ(cover, (std::vector<std::int32_t>{2}));
}

}  // namespace
