#include "core/scoring.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>

#include "core/column.h"
#include "tests/core/test_support.h"

using namespace lumo;

namespace {

// Every row 40, 33, 27: minSum 378, maxSum 560.
TEST(ScoringTest, NormalisedAndAverageScoresOfTheConstructedTable) {
    Scoring scoring;
    EXPECT_EQ(scoring.minSum, 378);
    EXPECT_EQ(scoring.maxSum, 560);
    EXPECT_EQ(ScoringOf(CForecastTable()).minSum, 378);
    EXPECT_EQ(ScoringOf(CForecastTable()).maxSum, 560);

    EXPECT_EQ(ColumnOf("11111111111111").ComputeScore(scoring), 100);
    EXPECT_EQ(ColumnOf("22222222222222").ComputeScore(scoring), 0);
    EXPECT_EQ(ColumnOf("XXXXXXXXXXXXXX").ComputeScore(scoring), 46);  // 46.15 truncated

    scoring.mode = ScoreMode::kAverage;
    EXPECT_EQ(ColumnOf("11111111111111").ComputeScore(scoring), 40);
    EXPECT_EQ(ColumnOf("22222222222222").ComputeScore(scoring), 27);
    EXPECT_EQ(ColumnOf("XXXXXXXXXXXXXX").ComputeScore(scoring), 33);
}

// The bounds come from the table as it stands, clamped to 32 bits; the
// mode is the one asked for.
TEST(ScoringTest, BoundsFollowTheTable) {
    CForecastTable table;
    table.rows[0] = {50, 30, 20};
    const Scoring scoring = ScoringOf(table, ScoreMode::kAverage);
    EXPECT_EQ(scoring.minSum, 20 + 13 * 27);
    EXPECT_EQ(scoring.maxSum, 50 + 13 * 40);
    EXPECT_EQ(scoring.mode, ScoreMode::kAverage);
    EXPECT_EQ(scoring.table.rows, table.rows);

    const Scoring huge = ScoringOf(TableOf({INT32_MAX, 0, INT32_MIN}));
    EXPECT_EQ(huge.minSum, INT32_MIN);
    EXPECT_EQ(huge.maxSum, INT32_MAX);
    EXPECT_EQ(huge.mode, ScoreMode::kNormalised);
}

TEST(ScoringTest, AverageScoreTruncatesTowardZero) {
    CForecastTable table = TableOf({53, 0, -53});
    table.rows[13] = {52, 0, -52};
    const Scoring scoring = ScoringOf(table, ScoreMode::kAverage);
    EXPECT_EQ(ColumnOf("11111111111111").ComputeScore(scoring), 52);   // 741 / 14 = 52.93
    EXPECT_EQ(ColumnOf("22222222222222").ComputeScore(scoring), -52);  // not -53
}

TEST(ScoringTest, FlatTableScoresEveryColumnOneHundred) {
    const Scoring scoring = ScoringOf(TableOf({33, 33, 33}));
    ASSERT_EQ(scoring.minSum, scoring.maxSum);
    EXPECT_EQ(ColumnOf("1X21X21X21X21X").ComputeScore(scoring), 100);
}

TEST(ScoringTest, HugeTableValuesNeitherOverflowNorWrap) {
    Scoring scoring = ScoringOf(TableOf({INT32_MAX, 0, INT32_MIN}), ScoreMode::kAverage);
    EXPECT_EQ(ColumnOf("11111111111111").ComputeScore(scoring), INT32_MAX);
    EXPECT_EQ(ColumnOf("22222222222222").ComputeScore(scoring), INT32_MIN);
    EXPECT_EQ(ColumnOf("1111111222222X").ComputeScore(scoring),
              (7LL * INT32_MAX + 6LL * INT32_MIN) / 14);

    scoring.mode = ScoreMode::kNormalised;
    EXPECT_EQ(ColumnOf("XXXXXXXXXXXXXX").ComputeScore(scoring),
              (0 - static_cast<std::int64_t>(scoring.minSum)) * 100 /
                  (static_cast<std::int64_t>(scoring.maxSum) - scoring.minSum));

    scoring.minSum = 0;
    scoring.maxSum = 1;
    EXPECT_EQ(ColumnOf("11111111111111").ComputeScore(scoring), 100);  // clamped
    EXPECT_EQ(ColumnOf("22222222222222").ComputeScore(scoring), 0);    // clamped
    EXPECT_EQ(ColumnOf("XXXXXXXXXXXXXX").ComputeScore(scoring), 0);
}

// Tables whose sums overrun the 32-bit bounds still score every column
// within 0..100, the best 100 and the worst 0.
TEST(ScoringTest, NormalisedScoresOfAbsurdTablesStayWithinZeroAndOneHundred) {
    const CForecastTable tables[] = {TableOf({200'000'000, 100'000'000, 0}),
                                     TableOf({-200'000'000, 0, 200'000'000}),
                                     TableOf({INT32_MAX, INT32_MIN, 0})};
    for (const CForecastTable& table : tables) {
        const Scoring scoring = ScoringOf(table);
        std::int32_t lowest = INT32_MAX;
        std::int32_t highest = INT32_MIN;
        for (std::int32_t i = 0; i < kAllColumns; ++i) {
            const std::int32_t score = CColumn(i).ComputeScore(scoring);
            lowest = std::min(lowest, score);
            highest = std::max(highest, score);
        }
        EXPECT_EQ(lowest, 0) << table.rows[0][0];
        EXPECT_EQ(highest, 100) << table.rows[0][0];
    }
}

}  // namespace
