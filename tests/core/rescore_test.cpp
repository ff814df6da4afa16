#include "core/rescore.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "tests/core/test_support.h"

using namespace lumo;

namespace {

using StatusCall = std::pair<std::int32_t, std::int32_t>;

TEST(RescoreTest, ScoresEveryColumnWithTheTableAndTheMode) {
    CForecastTable table;
    table.rows[0] = {80, 10, 10};
    Scoring scoring = ScoringOf(table);
    const auto bet = SetOf({Scored(0, -1), Scored(1, -1), Scored(2, -1)});
    std::vector<StatusCall> calls;
    RescoreAll(*bet, scoring, [&calls](std::int32_t index, std::int32_t count) {
        calls.emplace_back(index, count);
    });
    for (const CColumn& column : *bet) {
        EXPECT_EQ(column.score, column.ComputeScore(scoring));
    }
    EXPECT_GT((*bet)[0].score, (*bet)[1].score);
    EXPECT_EQ(calls, std::vector<StatusCall>{StatusCall(0, 3)});

    // Average mode: the percentage sum divided by 14.
    scoring.mode = ScoreMode::kAverage;
    RescoreAll(*bet, scoring, [](std::int32_t, std::int32_t) {});
    EXPECT_EQ((*bet)[0].score, (80 + 13 * 40) / 14);
}

TEST(RescoreTest, ReportsEveryTenThousandColumnsOnTheScaleOfAllColumns) {
    CColumnSet bet;
    for (std::int32_t i = 0; i < 25'001; ++i) {
        bet.AppendNoGrow(CColumn(i));
    }
    std::vector<StatusCall> calls;
    const ProgressRecorder progress;
    RescoreAll(bet, Scoring(), [&calls](std::int32_t index, std::int32_t count) {
        calls.emplace_back(index, count);
    });
    EXPECT_EQ(calls, (std::vector<StatusCall>{{0, 25'001}, {10'000, 25'001}, {20'000, 25'001}}));
    EXPECT_EQ(progress.Positions(), (std::vector<std::int32_t>{0, 10'000 * 100 / kAllColumns,
                                                               20'000 * 100 / kAllColumns}));
}

TEST(RescoreTest, AnEmptyBetCallsAndReportsNothing) {
    CColumnSet bet;
    bool called = false;
    const ProgressRecorder progress;
    RescoreAll(bet, Scoring(), [&called](std::int32_t, std::int32_t) { called = true; });
    EXPECT_FALSE(called);
    EXPECT_TRUE(progress.Positions().empty());
}

}  // namespace
