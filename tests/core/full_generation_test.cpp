#include "core/internal/full_generation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "tests/core/test_support.h"

using namespace lumo;
using namespace lumo::internal;

namespace {

struct TableCase {
    std::string name;
    CForecastTable table;
    bool average;
};

// Tables whose scores go through every path: few sums (looked up), sums too
// far apart to tabulate, the average mode, and a flat table.
std::vector<TableCase> TableCases() {
    CForecastTable mixed;
    for (std::size_t m = 0; m < mixed.rows.size(); ++m) {
        const auto k = static_cast<std::int32_t>(m);
        mixed.rows[m] = {50 + k, 30 - k, 20};
    }
    mixed.rows[4] = {100, 0, 0};
    CForecastTable wide = mixed;
    wide.rows[2] = {1'000'000, -3, 7};
    wide.rows[9] = {INT32_MAX, INT32_MIN, 0};
    return {
        {"absurd", TableOf({200'000'000, 100'000'000, 0}), false},
        {"mixed", mixed, false},
        {"mixed average", mixed, true},
        {"wide", wide, false},
        {"wide average", wide, true},
        {"flat", TableOf({33, 33, 34}), false},
    };
}

void PrintTo(const TableCase& tableCase, std::ostream* out) {
    *out << tableCase.name;
}

class FullGenerationTest : public testing::TestWithParam<TableCase> {};

TEST_P(FullGenerationTest, EveryColumnIsScoredAsComputeScoreScoresIt) {
    const TableCase& tableCase = GetParam();
    const Scoring scoring = ScoringOf(
        tableCase.table, tableCase.average ? ScoreMode::kAverage : ScoreMode::kNormalised);

    auto columns = std::make_unique<CColumn[]>(kAllColumns);
    WriteAllColumns(scoring, columns.get());
    for (std::int32_t i = 0; i < kAllColumns; ++i) {
        const CColumn& column = columns[static_cast<std::size_t>(i)];
        CColumn expected(i);
        expected.score = expected.ComputeScore(scoring);
        if (column.results != expected.results || column.score != expected.score ||
            column.marked != 0) {
            FAIL() << "slot " << i << " holds " << SignsOf(column) << " scored " << column.score
                   << ", expected " << SignsOf(expected) << " scored " << expected.score;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Tables, FullGenerationTest, testing::ValuesIn(TableCases()),
                         [](const testing::TestParamInfo<TableCase>& info) {
                             std::string name = info.param.name;
                             std::replace(name.begin(), name.end(), ' ', '_');
                             return name;
                         });

TEST(FullGenerationProgressTest, ReportsAtEveryMultipleOfTenThousand) {
    auto columns = std::make_unique<CColumn[]>(kAllColumns);
    const ProgressRecorder recorder;
    WriteAllColumns(Scoring(), columns.get());
    std::vector<std::int32_t> expected;
    for (std::int32_t i = 0; i < kAllColumns; i += 10'000) {
        expected.push_back(static_cast<std::int32_t>(std::int64_t{i} * 100 / kAllColumns));
    }
    EXPECT_EQ(recorder.Positions(), expected);
}

}  // namespace
