#include "core/column_predicates.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "core/column_set.h"
#include "tests/core/test_support.h"

using namespace lumo;

namespace {

CColumn Scored(std::int32_t score) {
    CColumn column;
    column.score = score;
    return column;
}

TEST(ColumnPredicatesTest, ScoreCutsDropTheLimitItself) {
    struct Case {
        std::int32_t score, limit;
        bool above, below;
    };
    const Case cases[] = {
        {60, 60, false, false},  // equal to the limit: removed by both cuts
        {61, 60, true, false},
        {59, 60, false, true},
        {1, 0, true, false},  // an empty field reads 0: only scores above 0 stay
        {0, 0, false, false},
        {-1, 0, false, true},  // only negative scores pass "below 0"
        {INT32_MIN, INT32_MIN, false, false},
        {INT32_MAX, INT32_MAX, false, false},
        {-7, -8, true, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ScoreAbove{c.limit}(Scored(c.score)), c.above) << c.score << " vs " << c.limit;
        EXPECT_EQ(ScoreBelow{c.limit}(Scored(c.score)), c.below) << c.score << " vs " << c.limit;
    }
}

TEST(ColumnPredicatesTest, NoZeroPercentDropsColumnsUsingARuledOutResult) {
    CForecastTable table;
    const NoZeroPercent withoutZeros(table);
    std::mt19937 engine(3);
    for (int i = 0; i < 1'000; ++i) {
        ASSERT_TRUE(withoutZeros(RandomColumn(engine)));
    }

    table.rows[0][1] = 0;  // the X of match 1 ruled out
    const NoZeroPercent noDrawFirst(table);
    EXPECT_FALSE(noDrawFirst(ColumnOf("X1111111111111")));
    EXPECT_TRUE(noDrawFirst(ColumnOf("21111111111111")));
    EXPECT_TRUE(noDrawFirst(ColumnOf("1XXXXXXXXXXXXX")));

    // Negative percentages are not 0; matches fixed to one or two results.
    table.rows[13] = {0, -5, 0};
    table.rows[6] = {100, 0, 0};
    const NoZeroPercent fixed(table);
    for (int i = 0; i < 20'000; ++i) {
        const CColumn column = RandomColumn(engine);
        bool expected = true;
        for (std::size_t m = 0; m < 14; ++m) {
            expected = expected && table.rows[m][column.results[m]] != 0;
        }
        ASSERT_EQ(fixed(column), expected) << SignsOf(column);
    }
}

TEST(ColumnPredicatesTest, NoZeroPercentReadsTheTableWhenMade) {
    CForecastTable table;
    table.rows[3][2] = 0;
    const NoZeroPercent predicate(table);
    table.rows[3][1] = 0;
    EXPECT_FALSE(predicate(ColumnOf("1112")));
    EXPECT_TRUE(predicate(ColumnOf("111X")));
}

TEST(ColumnPredicatesTest, IsProfitableNeedsMoreThanTheThreshold) {
    CForecastTable table = TableOf({100, 100, 100});
    const IsProfitable profitable(1.0, table);
    EXPECT_FALSE(profitable(ColumnOf("1X2")));  // exactly 1.0 is not enough
    table.rows[0][1] = 101;
    EXPECT_FALSE(profitable(ColumnOf("X")));  // the table was copied when made
    EXPECT_TRUE(IsProfitable(1.0, table)(ColumnOf("X")));
    EXPECT_FALSE(IsProfitable(1.0, table)(ColumnOf("1")));
    EXPECT_TRUE(IsProfitable(0.5, table)(ColumnOf("1")));

    std::mt19937 engine(4);
    std::uniform_int_distribution<std::int32_t> factor(60, 160);
    for (int round = 0; round < 200; ++round) {
        for (auto& row : table.rows) {
            row = {factor(engine), factor(engine), factor(engine)};
        }
        const IsProfitable predicate(1.0, table);
        for (int i = 0; i < 100; ++i) {
            const CColumn column = RandomColumn(engine);
            ASSERT_EQ(predicate(column), column.Probability(table) > 1.0);
        }
    }
}

TEST(ColumnPredicatesTest, FilterWithThePredicatesKeepsTheirColumns) {
    CColumnSet set;
    for (std::int32_t score = -3; score <= 3; ++score) {
        set.AppendNoGrow(Scored(score));
    }
    set.Filter(ScoreAbove{-1});
    ASSERT_EQ(set.Count(), 4);
    EXPECT_EQ(set[0].score, 0);
    set.Filter(ScoreBelow{3});
    ASSERT_EQ(set.Count(), 3);
    EXPECT_EQ(set[2].score, 2);
}

}  // namespace
