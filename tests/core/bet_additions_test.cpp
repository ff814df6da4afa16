#include "core/bet_additions.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "core/neighbour.h"
#include "core/random.h"
#include "tests/core/allocation_failure.h"
#include "tests/core/test_support.h"

using namespace lumo;

namespace {

TEST(BetAdditionsTest, RandomColumnsAppendOrRemoveByTheSignOfTheCount) {
    struct Case {
        std::int32_t n;
        std::int32_t count;
    };
    const Case cases[] = {{0, 10}, {3, 13}, {-2, 8}, {-10, 0}, {-25, 0}};
    for (const Case& c : cases) {
        std::vector<CColumn> columns;
        for (std::int32_t i = 0; i < 10; ++i) {
            columns.push_back(Scored(i, 50));
        }
        const auto bet = SetOf(columns);
        EXPECT_EQ(AppendRandomColumns(*bet, c.n, CForecastTable()), MemoryOutcome::kDone) << c.n;
        ASSERT_EQ(bet->Count(), c.count) << c.n;
        for (std::int32_t i = 0; i < c.count; ++i) {
            const CColumn& column = (*bet)[i];
            EXPECT_EQ(column.score, i < 10 ? 50 : 0) << c.n;
            EXPECT_EQ(column.marked, 0);
            if (i < 10) {
                EXPECT_EQ(NaiveIndex(column), i);
            }
        }
    }
}

TEST(BetAdditionsTest, RandomColumnsFollowTheForecast) {
    // Every draw falls below 0 + 101 for every match: every column is all X.
    const CForecastTable table = TableOf({0, 101, 0});
    SeedRandom(7);
    CColumnSet bet;
    ASSERT_EQ(AppendRandomColumns(bet, 20, table), MemoryOutcome::kDone);
    ASSERT_EQ(bet.Count(), 20);
    for (const CColumn& column : bet) {
        EXPECT_EQ(SignsOf(column), "XXXXXXXXXXXXXX");
    }
}

TEST(BetAdditionsTest, TooManyColumnsLeaveTheBetAsItWas) {
    const auto bet = SetOf({Scored(3, 30), Scored(4, 40)});
    // More than a 32-bit count can hold, and more than memory can hold.
    EXPECT_EQ(AppendRandomColumns(*bet, INT32_MAX - 1, CForecastTable()), MemoryOutcome::kNoMemory);
    EXPECT_EQ(ReserveMore(*bet, 100'000'000'000), MemoryOutcome::kNoMemory);
    {
        const AllocationFailure noStorage(1'000);
        EXPECT_EQ(AppendNeighbours(*bet, std::vector{0, 1}), MemoryOutcome::kNoMemory);
        EXPECT_EQ(AppendSecondNeighbours(*bet, 0), MemoryOutcome::kNoMemory);
        EXPECT_EQ(AppendRandomColumns(*bet, 100, CForecastTable()), MemoryOutcome::kNoMemory);
    }
    EXPECT_EQ(IndicesOf(*bet), (std::vector<std::int32_t>{3, 4}));
    EXPECT_EQ(ScoresOf(*bet), (std::vector<std::int32_t>{30, 40}));
}

TEST(BetAdditionsTest, ReserveMoreKeepsTheColumns) {
    const auto bet = SetOf({Scored(5, 1)});
    ASSERT_EQ(ReserveMore(*bet, 1'000), MemoryOutcome::kDone);
    EXPECT_GE(bet->Capacity(), 1'001);
    EXPECT_EQ(IndicesOf(*bet), std::vector<std::int32_t>{5});
}

TEST(BetAdditionsTest, NeighboursOfEachKeyInTheKeysOrder) {
    const auto bet =
        SetOf({Scored(ColumnOf("11111111111111"), 10), Scored(ColumnOf("X1111111111112"), 30),
               Scored(ColumnOf("21111111111112"), 20)});
    // Key 500 names no column of the bet and adds nothing.
    ASSERT_EQ(AppendSecondNeighbours(*bet, 500), MemoryOutcome::kDone);
    ASSERT_EQ(bet->Count(), 3);
    ASSERT_EQ(AppendNeighbours(*bet, std::vector{1, 500, 0}), MemoryOutcome::kDone);
    ASSERT_EQ(bet->Count(), 3 + 56);
    const std::int32_t sources[] = {1, 0};
    for (std::int32_t block = 0; block < 2; ++block) {
        const CColumn& source = (*bet)[sources[block]];
        for (std::int32_t change = 0; change < 28; ++change) {
            const CColumn& added = (*bet)[3 + 28 * block + change];
            EXPECT_EQ(SignsOf(added), SignsOf(Neighbour(source, change)));
            EXPECT_EQ(added.score, source.score);
        }
    }
    // Change 26 turns a 2 in match 14 into a 1.
    EXPECT_EQ(SignsOf((*bet)[3 + 26]), "X1111111111111");
}

TEST(BetAdditionsTest, SecondNeighboursCoverDistanceTwoWithRepetitions) {
    const auto bet =
        SetOf({Scored(ColumnOf("1X21X21X21X21X"), 60), Scored(ColumnOf("22222222222222"), 70)});
    ASSERT_EQ(AppendSecondNeighbours(*bet, 1), MemoryOutcome::kDone);
    ASSERT_EQ(bet->Count(), 2 + 784);
    const CColumn source = (*bet)[1];
    std::map<std::int32_t, std::int32_t> times;
    for (std::int32_t i = 2; i < bet->Count(); ++i) {
        EXPECT_EQ((*bet)[i].score, 70);
        ++times[NaiveIndex((*bet)[i])];
    }
    // Distance -> distinct columns, checking multiplicities on the way.
    std::map<std::int32_t, std::int32_t> byDistance;
    for (const auto& [index, count] : times) {
        const std::int32_t distance = kMatches - NaiveHits(CColumn(index), source);
        EXPECT_EQ(count, distance == 0 ? 28 : distance == 1 ? 1 : 2) << index;
        ++byDistance[distance];
    }
    EXPECT_EQ(byDistance, (std::map<std::int32_t, std::int32_t>{{0, 1}, {1, 28}, {2, 364}}));
}

}  // namespace
