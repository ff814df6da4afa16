#include "core/internal/score_sort.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <new>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "tests/core/allocation_failure.h"
#include "tests/core/test_support.h"

using namespace lumo;
using namespace lumo::internal;

namespace {

// Columns whose scores are drawn from [lowest, highest], each column told
// apart by its results.
std::vector<CColumn> ColumnsScoredIn(std::size_t count, std::int64_t lowest, std::int64_t highest,
                                     std::uint32_t seed) {
    std::mt19937 engine(seed);
    std::uniform_int_distribution<std::int64_t> score(lowest, highest);
    std::vector<CColumn> columns;
    for (std::size_t i = 0; i < count; ++i) {
        CColumn column(static_cast<std::int32_t>(i % kAllColumns));
        column.score = static_cast<std::int32_t>(score(engine));
        column.marked = static_cast<std::uint8_t>(i % 3 == 0);
        columns.push_back(column);
    }
    return columns;
}

using Record = std::tuple<std::int32_t, std::uint8_t, std::int32_t>;

std::vector<Record> SortedRecords(const std::vector<CColumn>& columns) {
    std::vector<Record> records;
    for (const CColumn& column : columns) {
        records.emplace_back(column.score, column.marked, NaiveIndex(column));
    }
    std::sort(records.begin(), records.end());
    return records;
}

// Sorts and checks that the result is in descending score order and holds
// exactly the same columns.
void ExpectSorts(std::vector<CColumn> columns, const std::string& label) {
    const std::vector<Record> before = SortedRecords(columns);
    SortColumnsByScore(columns.data(), columns.data() + columns.size());
    EXPECT_TRUE(
        std::is_sorted(columns.begin(), columns.end(),
                       [](const CColumn& a, const CColumn& b) { return a.score > b.score; }))
        << label;
    EXPECT_EQ(SortedRecords(columns), before) << label;
}

TEST(ScoreSortTest, SortsNarrowAndWideScoreRanges) {
    struct Range {
        std::string label;
        std::int64_t lowest, highest;
        std::size_t count;
    };
    const Range ranges[] = {
        {"normalised", 0, 100, 200'000},
        {"average mode", 27, 40, 50'000},
        {"all equal", 5, 5, 1'000},
        {"negative", -60, -10, 10'000},
        {"widest counted", 1, kMaxScoreBuckets, 100'000},
        {"just too wide to count", 0, kMaxScoreBuckets, 100'000},
        {"odd table", -2'000'000'000, 2'000'000'000, 100'000},
        {"whole 32-bit range", INT32_MIN, INT32_MAX, 10'000},
        {"two columns", 0, 100, 2},
        {"one column", 0, 100, 1},
    };
    std::uint32_t seed = 1;
    for (const Range& range : ranges) {
        ExpectSorts(ColumnsScoredIn(range.count, range.lowest, range.highest, seed++), range.label);
    }
}

TEST(ScoreSortTest, ExtremeScoresAtBothEndsOfANarrowSpan) {
    std::vector<CColumn> columns = ColumnsScoredIn(1'000, INT32_MAX - 50, INT32_MAX, 3);
    columns[10].score = INT32_MAX;
    ExpectSorts(columns, "top of the range");
    columns = ColumnsScoredIn(1'000, INT32_MIN, INT32_MIN + 50, 4);
    ExpectSorts(columns, "bottom of the range");
    // Scores just inside and just outside the span counted around the first.
    columns = ColumnsScoredIn(1'000, 0, 10, 5);
    columns[0].score = 0;
    columns[500].score = kMaxScoreBuckets / 2 - 1;
    columns[501].score = -kMaxScoreBuckets / 2;
    ExpectSorts(columns, "edges of the first window");
    columns[502].score = kMaxScoreBuckets / 2;
    ExpectSorts(columns, "one past the first window");
}

TEST(ScoreSortTest, AlreadySortedAndReversedInputs) {
    std::vector<CColumn> columns = ColumnsScoredIn(30'000, 0, 100, 5);
    std::sort(columns.begin(), columns.end(),
              [](const CColumn& a, const CColumn& b) { return a.score > b.score; });
    ExpectSorts(columns, "sorted");
    std::reverse(columns.begin(), columns.end());
    ExpectSorts(columns, "reversed");
}

TEST(ScoreSortTest, EmptyRangeIsLeftAlone) {
    CColumn column;
    column.score = 3;
    SortColumnsByScore(&column, &column);
    EXPECT_EQ(column.score, 3);
}

TEST(ScoreSortTest, CountersThatCannotBeHadLeaveTheRangeUntouched) {
    const std::vector<CColumn> original = ColumnsScoredIn(5'000, 0, kMaxScoreBuckets - 1, 6);
    // The first allocation fails, then a later one.
    for (const std::size_t failingFrom : {std::size_t{1'000}, std::size_t{300'000}}) {
        std::vector<CColumn> columns = original;
        {
            const AllocationFailure failure(failingFrom);
            EXPECT_THROW(SortColumnsByScore(columns.data(), columns.data() + columns.size()),
                         std::bad_alloc)
                << failingFrom;
        }
        EXPECT_TRUE(std::equal(columns.begin(), columns.end(), original.begin(),
                               [](const CColumn& a, const CColumn& b) {
                                   return a.score == b.score && a.results == b.results;
                               }))
            << failingFrom;
    }
}

}  // namespace
