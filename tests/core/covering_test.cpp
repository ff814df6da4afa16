#include "core/covering.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "tests/core/test_support.h"

using namespace lumo;

namespace {

// The set, refilled with the columns.
CColumnSet& Filled(CColumnSet& set, const std::vector<CColumn>& columns) {
    FillSet(set, columns);
    return set;
}

// A column at exactly `distance` from `column`: the first matches changed.
CColumn AtDistance(const CColumn& column, std::int32_t distance) {
    CColumn other = column;
    for (std::int32_t m = 0; m < distance; ++m) {
        auto& result = other.results[static_cast<std::size_t>(m)];
        result = static_cast<std::uint8_t>((result + 1) % 3);
    }
    return other;
}

std::vector<std::int32_t> Reduce(CColumnSet& set, std::int32_t distance) {
    set.Filter(NotNearKept(set, distance));
    return IndicesOf(set);
}

TEST(CoveringTest, AnyWithinComparesAgainstTheDistance) {
    const CColumn column = ColumnOf("1X21X21X21X21X");
    CColumnSet set;
    EXPECT_FALSE(AnyWithin(set, column, 14));

    EXPECT_TRUE(AnyWithin(Filled(set, {ColumnOf("22222222222222")}), column, 14));
    EXPECT_FALSE(AnyWithin(set, ColumnOf("XXXXXXXXXXXXXX"), 13));

    Filled(set, {ColumnOf("2"), column});
    EXPECT_TRUE(AnyWithin(set, column, 0));
    EXPECT_FALSE(AnyWithin(set, column, -1));
    EXPECT_FALSE(AnyWithin(Filled(set, {AtDistance(column, 1)}), column, 0));

    for (std::int32_t d = 0; d < 14; ++d) {
        EXPECT_TRUE(AnyWithin(Filled(set, {AtDistance(column, d)}), column, d)) << d;
        EXPECT_FALSE(AnyWithin(Filled(set, {AtDistance(column, d + 1)}), column, d)) << d;
    }

    CColumn marked = column;
    marked.marked = 1;
    EXPECT_TRUE(AnyWithin(Filled(set, {marked}), column, 0));  // marks are not looked at
}

TEST(CoveringTest, ReductionRemovesDuplicatesAtZeroAndKeepsOnlyTheFirstAtFourteen) {
    const std::vector<CColumn> bet = {CColumn(1), CColumn(2), CColumn(1), CColumn(3)};
    CColumnSet set;
    EXPECT_EQ(Reduce(Filled(set, bet), 0), (std::vector<std::int32_t>{1, 2, 3}));
    EXPECT_EQ(Reduce(Filled(set, bet), 14), (std::vector<std::int32_t>{1}));
    EXPECT_EQ(Reduce(Filled(set, bet), -1), (std::vector<std::int32_t>{1, 2, 1, 3}));
}

TEST(CoveringTest, ReductionKeepsDistanceDPlusOneAndDropsDistanceD) {
    const CColumn first = ColumnOf("1X21X21X21X21X");
    for (std::int32_t d = 0; d < 13; ++d) {
        CColumnSet set;
        EXPECT_EQ(
            Reduce(Filled(set, {first, AtDistance(first, d), AtDistance(first, d + 1)}), d),
            (std::vector<std::int32_t>{NaiveIndex(first), NaiveIndex(AtDistance(first, d + 1))}))
            << d;
    }
}

TEST(CoveringTest, ReductionEqualsTheNaiveDefinitionOnRandomBets) {
    std::mt19937 engine(2024);
    for (int round = 0; round < 3; ++round) {
        const std::vector<CColumn> bet = ClusteredBet(engine, 1'500);
        for (std::int32_t d = 0; d <= 14; ++d) {
            CColumnSet set;
            ASSERT_EQ(Reduce(Filled(set, bet), d), NaiveReduction(bet, d))
                << "round " << round << " d " << d;
        }
    }
    // Spread-out bets too, where little is near.
    std::vector<CColumn> spread;
    for (int i = 0; i < 2'000; ++i) {
        spread.push_back(RandomColumn(engine));
    }
    spread.push_back(spread[17]);
    for (std::int32_t d = 0; d <= 14; ++d) {
        CColumnSet set;
        ASSERT_EQ(Reduce(Filled(set, spread), d), NaiveReduction(spread, d)) << "spread d " << d;
    }
}

TEST(CoveringTest, ReductionRunTwiceChangesNothingTheSecondTime) {
    std::mt19937 engine(5);
    for (const std::int32_t d : {1, 3, 6}) {
        CColumnSet set;
        const std::vector<std::int32_t> once = Reduce(Filled(set, ClusteredBet(engine, 1'000)), d);
        EXPECT_EQ(Reduce(set, d), once) << d;
    }
}

// Asked outside a Filter pass, the predicate still answers as AnyWithin over
// the set's columns as they stand.
TEST(CoveringTest, NotNearKeptFollowsTheSetOutsideAFilterPass) {
    std::mt19937 engine(8);
    const std::vector<CColumn> bet = ClusteredBet(engine, 300);
    CColumnSet kept;
    Filled(kept, {bet[0], bet[1], bet[2]});
    NotNearKept notNear(kept, 2);
    for (std::size_t i = 3; i < bet.size(); ++i) {
        ASSERT_EQ(notNear(bet[i]), !AnyWithin(kept, bet[i], 2)) << i;
        if (i % 7 == 0) {
            kept.Append(bet[i]);  // the set changes between questions
        }
    }
}

TEST(CoveringTest, ReductionReportsOncePerColumnPosition) {
    std::mt19937 engine(9);
    CColumnSet set;
    Filled(set, ClusteredBet(engine, 4));
    const ProgressRecorder recorder;
    set.Filter(NotNearKept(set, 3));
    EXPECT_EQ(recorder.Positions(), (std::vector<std::int32_t>{0, 25, 50, 75}));
}

// On the full set in index order, distance 8 keeps the all-1 column first and
// drops every column with at most 8 results other than 1.
TEST(CoveringTest, ReductionOfTheFullSetAtEightAndAtZero) {
    CColumnSet set(kAllColumns);
    set.GenerateAll(Scoring());
    set.Filter(NotNearKept(set, 0));
    EXPECT_EQ(set.Count(), kAllColumns);

    set.Filter(NotNearKept(set, 8));
    ASSERT_GT(set.Count(), 1);
    EXPECT_EQ(SignsOf(set[0]), "11111111111111");
    for (std::int32_t i = 1; i < set.Count(); ++i) {
        EXPECT_GE(set[i].CountVariants(), 9) << SignsOf(set[i]);
        for (std::int32_t j = 0; j < i; ++j) {
            ASSERT_LT(set[i].Hits(set[j]), 6) << SignsOf(set[i]) << " " << SignsOf(set[j]);
        }
    }
}

// The full set sorted by score, reduced at distance 1, checked from the other
// side: a column is kept exactly when none of its 28 neighbours (found by
// changing one digit of its index) was kept earlier in the input order.
TEST(CoveringTest, ReductionOfTheSortedFullSetAtOneMatchesTheDefinition) {
    CColumnSet set(kAllColumns);
    set.GenerateAll(Scoring());
    set.SortByScore();
    std::vector<std::int32_t> inputOrder(kAllColumns);
    for (std::int32_t i = 0; i < kAllColumns; ++i) {
        inputOrder[static_cast<std::size_t>(NaiveIndex(set[i]))] = i;
    }
    const std::vector<std::int32_t> input = IndicesOf(set);

    set.Filter(NotNearKept(set, 1));
    std::vector<bool> kept(kAllColumns, false);
    for (const CColumn& column : set) {
        kept[static_cast<std::size_t>(NaiveIndex(column))] = true;
    }
    std::int32_t keptCount = 0;
    for (std::int32_t position = 0; position < kAllColumns; ++position) {
        const std::int32_t index = input[static_cast<std::size_t>(position)];
        bool nearEarlierKept = false;
        std::int32_t power = 1;
        for (std::int32_t m = 0; m < 14; ++m, power *= 3) {
            const std::int32_t digit = index / power % 3;
            for (std::int32_t other = 0; other < 3; ++other) {
                const std::int32_t neighbour = index + (other - digit) * power;
                if (other != digit && kept[static_cast<std::size_t>(neighbour)] &&
                    inputOrder[static_cast<std::size_t>(neighbour)] < position) {
                    nearEarlierKept = true;
                }
            }
        }
        if (kept[static_cast<std::size_t>(index)] == nearEarlierKept) {
            FAIL() << SignsOf(CColumn(index)) << " at " << position << " kept "
                   << kept[static_cast<std::size_t>(index)];
        }
        keptCount += kept[static_cast<std::size_t>(index)] ? 1 : 0;
    }
    EXPECT_EQ(keptCount, set.Count());
    // Kept columns come in input order.
    for (std::int32_t i = 1; i < set.Count(); ++i) {
        ASSERT_LT(inputOrder[static_cast<std::size_t>(NaiveIndex(set[i - 1]))],
                  inputOrder[static_cast<std::size_t>(NaiveIndex(set[i]))]);
    }
}

// The universe, refilled with the first columns in index order, scored.
CColumnSet& Scored(CColumnSet& universe, const std::vector<std::int32_t>& scores) {
    universe.Truncate(0);
    for (std::size_t i = 0; i < scores.size(); ++i) {
        CColumn column(static_cast<std::int32_t>(i));
        column.score = scores[i];
        universe.AppendNoGrow(column);
    }
    return universe;
}

TEST(CoveringTest, PickBestUnmarkedTakesTheFirstHighestPositiveUnmarked) {
    CColumnSet universe;
    Scored(universe, {3, 7, 2, 7, 9, 1});
    EXPECT_EQ(PickBestUnmarked(universe), &universe[4]);
    universe[4].marked = 1;
    EXPECT_EQ(PickBestUnmarked(universe), &universe[1]);  // equal scores: lowest index
    universe[1].marked = 1;
    EXPECT_EQ(PickBestUnmarked(universe), &universe[3]);

    CColumnSet zeros;
    Scored(zeros, {0, 0, -4, 5});
    zeros[3].marked = 1;
    EXPECT_EQ(PickBestUnmarked(zeros), nullptr);  // never a score of 0 or less

    CColumnSet empty;
    EXPECT_EQ(PickBestUnmarked(empty), nullptr);
}

TEST(CoveringTest, ScansReportAtUnmarkedMultiplesOfTenThousand) {
    CColumnSet universe;
    Scored(universe, std::vector<std::int32_t>(25'000, 1));
    {
        const ProgressRecorder recorder;
        PickBestUnmarked(universe);
        EXPECT_EQ(recorder.Positions(), (std::vector<std::int32_t>{0, 40, 80}));
    }
    universe[10'000].marked = 1;
    {
        const ProgressRecorder recorder;
        PickBestUnmarked(universe);
        EXPECT_EQ(recorder.Positions(), (std::vector<std::int32_t>{0, 80}));
    }
    {
        // Column 20,000 is unmarked when the scan reaches it, though the scan
        // then marks it.
        const ProgressRecorder recorder;
        EXPECT_EQ(MarkCovered(universe, universe[20'000], 0), 1);
        EXPECT_EQ(recorder.Positions(), (std::vector<std::int32_t>{0, 80}));
    }
    {
        const ProgressRecorder recorder;
        MarkCovered(universe, universe[20'000], 0);
        EXPECT_EQ(recorder.Positions(), (std::vector<std::int32_t>{0}));
    }
}

TEST(CoveringTest, MarkCoveredCountsOnlyNewlyMarkedColumnsWithinTheDistance) {
    CColumnSet universe;
    Scored(universe, std::vector<std::int32_t>(3 * 3 * 3, 1));  // matches 1..3 vary
    // Within 1 of 1111...: 1 + 2 + 2 + 2 among the first 27 indices.
    EXPECT_EQ(MarkCovered(universe, universe[0], 1), 7);
    EXPECT_EQ(universe[0].marked, 1);
    EXPECT_EQ(universe[1].marked, 1);
    EXPECT_EQ(universe[4].marked, 0);  // XX111...: two away
    // Within 1 of X1111...: itself, 2111..., 1111..., XX1..., X21..., X1X..., X12...;
    // three of them are marked already.
    EXPECT_EQ(MarkCovered(universe, universe[1], 1), 4);
    EXPECT_EQ(MarkCovered(universe, universe[1], 1), 0);
}

TEST(CoveringTest, GreedyStepsOnAFreshUniverse) {
    CColumnSet universe(kAllColumns);
    universe.GenerateAll(Scoring());

    // On a universe with nothing marked, one step marks exactly the ball.
    const std::int32_t ballSizes[] = {29, 393, 3'305, 19'321, 83'385, 275'577};
    for (std::int32_t d = 1; d <= 6; ++d) {
        for (std::int32_t i = 0; i < kAllColumns; ++i) {
            universe[i].marked = 0;
        }
        CColumnSet bet;
        bet.covered = 5;
        const CColumn* chosen = ReduceStep(bet, universe, d);
        ASSERT_EQ(chosen, &universe[0]) << d;  // all 1: the best score, lowest index
        EXPECT_EQ(chosen->marked, 1);
        EXPECT_EQ(bet.covered, 5 + ballSizes[d - 1]) << d;
        EXPECT_EQ(MarkedCount(universe), ballSizes[d - 1]) << d;
    }

    // Further steps never pick a marked column; the total covered equals the
    // marked columns.
    for (std::int32_t i = 0; i < kAllColumns; ++i) {
        universe[i].marked = 0;
    }
    CColumnSet bet;
    std::vector<std::int32_t> picked;
    for (const std::int32_t d : {1, 1, 3, 2, 1}) {
        CColumn* chosen = ReduceStep(bet, universe, d);
        ASSERT_NE(chosen, nullptr);
        for (const std::int32_t earlier : picked) {
            EXPECT_NE(NaiveIndex(*chosen), earlier);
        }
        picked.push_back(NaiveIndex(*chosen));
        bet.Append(*chosen);
    }
    EXPECT_LT(universe[picked[1]].Hits(universe[picked[0]]), 13);  // outside the first ball
    EXPECT_EQ(bet.covered, MarkedCount(universe));
    EXPECT_EQ(bet.Count(), 5);
    EXPECT_EQ(bet[0].marked, 1);
}

TEST(CoveringTest, GreedyStepWithNothingLeftChangesNothing) {
    CColumnSet universe;
    Scored(universe, {4, 0, 6});
    universe[0].marked = 1;
    universe[2].marked = 1;
    CColumnSet bet;
    bet.covered = 2;
    EXPECT_EQ(ReduceStep(bet, universe, 3), nullptr);
    EXPECT_EQ(bet.covered, 2);
    EXPECT_EQ(universe[1].marked, 0);
}

TEST(CoveringTest, HitStatisticsCountsByHits) {
    const CColumn winner = ColumnOf("1X21X21X21X21X");
    CColumn marked = AtDistance(winner, 1);
    marked.marked = 1;
    CColumnSet bet;
    Filled(bet, {winner, marked, AtDistance(winner, 2), AtDistance(winner, 2),
                 AtDistance(winner, 4), AtDistance(winner, 5), AtDistance(winner, 14)});
    HitCounters counters{};
    counters.fill(-1);
    EXPECT_EQ(HitStatistics(bet, winner, counters, 15), 0);
    EXPECT_EQ(counters, (HitCounters{1, 1, 2, 0, 1}));
    EXPECT_EQ(HitStatistics(bet, winner, counters, 10), 5);  // the sum of the counters
    EXPECT_EQ(HitStatistics(bet, winner, counters, 12), 4);
    EXPECT_EQ(HitStatistics(bet, winner, counters, 0), 7);

    EXPECT_EQ(HitStatistics(CColumnSet(), winner, counters, 0), 0);
    EXPECT_EQ(counters, (HitCounters{0, 0, 0, 0, 0}));
}

}  // namespace
