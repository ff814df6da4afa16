#include "reduction/internal/bet_index.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "tests/core/test_support.h"

using namespace lumo;
using namespace lumo::internal;

namespace {

TEST(BetIndexTest, NumbersDistinctColumnsByFirstOccurrence) {
    const auto bet = SetOf({Scored(7, 50), Scored(3, 60), Scored(7, 70), Scored(0, 10)});
    const BetIndex index(*bet);
    ASSERT_EQ(index.Size(), 3);
    EXPECT_EQ(index.IdOf(7), 0);
    EXPECT_EQ(index.IdOf(3), 1);
    EXPECT_EQ(index.IdOf(0), 2);
    EXPECT_EQ(index.IdOf(1), -1);
    EXPECT_EQ(index.PositionOf(2), 3);
    EXPECT_EQ(index.ScoreOf(0), 50);  // the first occurrence's score
    EXPECT_EQ(index.IndexOf(1), 3);
}

TEST(BetIndexTest, ForEachNearAndCountsNearFindExactlyTheBetColumnsWithinTheRadius) {
    std::mt19937 engine(11);
    std::vector<CColumn> columns = ClusteredBet(engine, 400);
    // Some matches with fewer results used: fixed, and a double.
    for (std::size_t i = 0; i < columns.size(); ++i) {
        columns[i].results[0] = kDraw;
        columns[i].results[5] = columns[i].results[5] == kHomeWin ? kDraw : kAwayWin;
        columns[i].results[13] = i % 2 == 0 ? kHomeWin : columns[i].results[13];
    }
    const auto bet = SetOf(columns);
    const BetIndex index(*bet);
    for (const std::int32_t radius : {0, 1, 2, 3, 4, 6}) {
        const std::vector<std::int32_t> counts = index.CountsNear(radius);
        for (std::int32_t id = 0; id < index.Size(); id += 17) {
            std::vector<std::int32_t> visited;
            index.ForEachNear(id, radius,
                              [&visited](std::int32_t near) { visited.push_back(near); });
            std::vector<std::int32_t> expected;
            for (std::int32_t other = 0; other < index.Size(); ++other) {
                if (NaiveHits(CColumn(index.IndexOf(id)), CColumn(index.IndexOf(other))) >=
                    kMatches - radius) {
                    expected.push_back(other);
                }
            }
            std::sort(visited.begin(), visited.end());
            EXPECT_EQ(visited, expected) << "radius " << radius << " id " << id;
            EXPECT_EQ(counts[static_cast<std::size_t>(id)],
                      static_cast<std::int32_t>(expected.size()));
        }
    }
}

struct BallSumsCase {
    std::size_t columns;
    std::int32_t radius;
};

class BetIndexBallSumsTest : public ::testing::TestWithParam<BallSumsCase> {};

// The counts, sums and largest values over every ball agree with the balls
// walked one by one, for bets small enough to be walked ball by ball and
// large enough to be passed over match by match.
TEST_P(BetIndexBallSumsTest, AgreeWithTheBallsWalkedOneByOne) {
    const auto [columns, radius] = GetParam();
    std::mt19937 engine(4);
    const auto bet = SetOf(ClusteredBet(engine, columns));
    const BetIndex index(*bet);
    std::uniform_int_distribution<std::int64_t> large(0, std::int64_t{1} << 40);
    std::uniform_int_distribution<std::int32_t> small(1, 1'000'000);
    std::vector<std::int64_t> values(static_cast<std::size_t>(index.Size()));
    std::vector<std::int32_t> marks(values.size());
    for (std::size_t id = 0; id < values.size(); ++id) {
        values[id] = large(engine);
        marks[id] = small(engine);
    }
    const std::vector<std::int32_t> counts = index.CountsNear(radius);
    const auto [sums, most] = index.SummariseBalls(radius, values, marks);
    std::vector<double> reals(values.size());
    for (std::size_t id = 0; id < values.size(); ++id) {
        reals[id] = static_cast<double>(marks[id]) / 7;
    }
    // Room a wider sum of other values left behind is reused as if fresh.
    std::vector<double> scratch;
    index.SumsNear(radius + 1, std::vector<double>(reals.size(), 3.0), scratch);
    const std::vector<double> realSums = index.SumsNear(radius, reals, scratch);
    EXPECT_EQ(index.LargestNear(radius, marks), most);
    ASSERT_EQ(sums.size(), values.size());
    ASSERT_EQ(most.size(), values.size());
    for (std::int32_t id = 0; id < index.Size(); id += 97) {
        std::int32_t count = 0;
        std::int64_t sum = 0;
        std::int32_t largest = 0;
        double realSum = 0;
        index.ForEachNear(id, radius, [&](std::int32_t near) {
            ++count;
            sum += values[static_cast<std::size_t>(near)];
            realSum += reals[static_cast<std::size_t>(near)];
            largest = std::max(largest, marks[static_cast<std::size_t>(near)]);
        });
        const auto at = static_cast<std::size_t>(id);
        EXPECT_EQ(counts[at], count) << "id " << id;
        EXPECT_EQ(sums[at], sum) << "id " << id;
        EXPECT_EQ(most[at], largest) << "id " << id;
        EXPECT_NEAR(realSums[at], realSum, 1e-9 * realSum) << "id " << id;
    }
}

INSTANTIATE_TEST_SUITE_P(WalkedAndPassedOver, BetIndexBallSumsTest,
                         ::testing::Values(BallSumsCase{3'000, 1}, BallSumsCase{3'000, 3},
                                           BallSumsCase{20'000, 4}, BallSumsCase{20'000, 5}));

// Every ball as ForEachNear visits it, in order.
std::vector<std::vector<std::int32_t>> VisitedBalls(const BetIndex& index, std::int32_t radius) {
    std::vector<std::vector<std::int32_t>> balls(static_cast<std::size_t>(index.Size()));
    for (std::int32_t id = 0; id < index.Size(); ++id) {
        index.ForEachNear(id, radius, [&](std::int32_t near) {
            balls[static_cast<std::size_t>(id)].push_back(near);
        });
    }
    return balls;
}

// Kept balls are visited exactly as walked ones, in the same order (the
// coverings break ties by it), and counted and summed alike; lists over the
// budget are not kept, and a later radius replaces an earlier one.
TEST(BetIndexKeptBallsTest, VisitInTheWalksOrderAndOnlyWithinTheBudget) {
    std::mt19937 engine(8);
    const auto bet = SetOf(ClusteredBet(engine, 2'000));
    const BetIndex walked(*bet);
    BetIndex kept(*bet);
    for (const std::int32_t radius : {1, 2, 3}) {
        const std::vector<std::int32_t> counts = walked.CountsNear(radius);
        std::int64_t bytes = 0;
        for (const std::int32_t count : counts) {
            bytes += count * static_cast<std::int64_t>(sizeof(std::int32_t));
        }
        kept.KeepBalls(radius, bytes - 1);
        EXPECT_EQ(kept.KeptRadius(), -1) << "radius " << radius;
        kept.KeepBalls(radius, bytes);
        ASSERT_EQ(kept.KeptRadius(), radius);
        EXPECT_EQ(VisitedBalls(kept, radius), VisitedBalls(walked, radius)) << "radius " << radius;
        EXPECT_EQ(kept.CountsNear(radius), counts);
        std::vector<double> values(counts.size());
        for (std::size_t id = 0; id < values.size(); ++id) {
            values[id] = 1.0 / counts[id];
        }
        EXPECT_EQ(kept.SumsNear(radius, values), walked.SumsNear(radius, values));
        // Another radius is still walked.
        EXPECT_EQ(VisitedBalls(kept, radius + 1), VisitedBalls(walked, radius + 1));
    }
}

}  // namespace
