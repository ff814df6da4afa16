#include "core/internal/bet_index.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "tests/core/test_support.h"

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

TEST(BetIndexTest, CountsNearOfALargeBetAgreesWithItsBalls) {
    // Large enough to be counted match by match rather than ball by ball.
    std::mt19937 engine(4);
    const auto bet = SetOf(ClusteredBet(engine, 20'000));
    const BetIndex index(*bet);
    for (const std::int32_t radius : {4, 5}) {
        const std::vector<std::int32_t> counts = index.CountsNear(radius);
        for (std::int32_t id = 0; id < index.Size(); id += 97) {
            std::int32_t near = 0;
            index.ForEachNear(id, radius, [&near](std::int32_t) { ++near; });
            EXPECT_EQ(counts[static_cast<std::size_t>(id)], near) << "radius " << radius;
        }
    }
}

}  // namespace
