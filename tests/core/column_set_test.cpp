#include "core/column_set.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <new>
#include <set>
#include <string>
#include <vector>

#include "tests/core/allocation_failure.h"
#include "tests/core/test_support.h"

using namespace lumo;

namespace {

std::vector<CColumn> SomeColumns(std::int32_t count) {
    std::vector<CColumn> columns;
    for (std::int32_t i = 0; i < count; ++i) {
        CColumn column(i * 7919 % kAllColumns);
        column.score = i;
        column.marked = static_cast<std::uint8_t>(i % 2);
        columns.push_back(column);
    }
    return columns;
}

bool SameColumns(const std::vector<CColumn>& a, const std::vector<CColumn>& b) {
    return std::equal(
        a.begin(), a.end(), b.begin(), b.end(), [](const CColumn& x, const CColumn& y) {
            return x.score == y.score && x.marked == y.marked && x.results == y.results;
        });
}

TEST(ColumnSetTest, NewSetHasTheDefaultBoundsAndNothingCovered) {
    const CColumnSet set(10);
    EXPECT_EQ(set.maxVariants, 14);
    EXPECT_EQ(set.minVariants, 0);
    EXPECT_EQ(set.minDoses, 0);
    EXPECT_EQ(set.maxDoses, 14);
    EXPECT_EQ(set.covered, 0);
    EXPECT_EQ(set.Count(), 0);
    EXPECT_EQ(set.Capacity(), 10);
    EXPECT_EQ(CColumnSet(-3).Capacity(), 0);
}

TEST(ColumnSetTest, AppendGrowsByExactlyOneSlotWhenFull) {
    CColumnSet set(0);
    set.Append(ColumnOf("X"));
    EXPECT_EQ(set.Count(), 1);
    EXPECT_EQ(set.Capacity(), 1);
    EXPECT_EQ(SignsOf(set[0]), "X1111111111111");
    set.Append(ColumnOf("2"));
    EXPECT_EQ(set.Capacity(), 2);

    CColumnSet roomy(5);
    roomy.Append(ColumnOf("1"));
    EXPECT_EQ(roomy.Capacity(), 5);  // a free slot is used first
}

TEST(ColumnSetTest, AppendNoGrowUsesFreeSlotsThenGrowsAmortised) {
    CColumnSet set(3);
    const std::vector<CColumn> columns = SomeColumns(10'000);
    std::set<std::int32_t> capacities;
    for (const CColumn& column : columns) {
        set.AppendNoGrow(column);
        capacities.insert(set.Capacity());
        ASSERT_LE(set.Count(), set.Capacity());
    }
    EXPECT_EQ(set.Count(), 10'000);
    EXPECT_LE(capacities.size(), 16U);  // doubling, not one slot at a time
    EXPECT_TRUE(SameColumns(ColumnsOf(set), columns));
}

TEST(ColumnSetTest, TruncateLowersTheCountAndKeepsTheStorage) {
    CColumnSet set(8);
    FillSet(set, SomeColumns(8));
    set.Truncate(3);
    EXPECT_EQ(set.Count(), 3);
    EXPECT_EQ(set.Capacity(), 8);
    set.Truncate(5);  // never raises the count
    EXPECT_EQ(set.Count(), 3);
    set.Truncate(-1);
    EXPECT_EQ(set.Count(), 0);
}

// Storage that cannot be had: the operation throws and the set is exactly as
// it was (columns, count, storage, bounds, covered).
TEST(ColumnSetTest, FailedGrowthLeavesTheSetAsItWas) {
    struct Growth {
        std::string name;
        void (*grow)(CColumnSet&);
    };
    const Growth growths[] = {
        {"Append", [](CColumnSet& set) { set.Append(ColumnOf("2")); }},
        {"AppendNoGrow", [](CColumnSet& set) { set.AppendNoGrow(ColumnOf("2")); }},
        {"Reserve", [](CColumnSet& set) { set.Reserve(set.Capacity() + 1); }},
        {"GenerateAll", [](CColumnSet& set) { set.GenerateAll(Scoring()); }},
    };
    const std::vector<CColumn> columns = SomeColumns(1'000);
    for (const Growth& growth : growths) {
        CColumnSet set(1'000);
        FillSet(set, columns);
        set.minVariants = 3;
        set.covered = 77;
        {
            const AllocationFailure failure(1'000 * sizeof(CColumn));
            EXPECT_THROW(growth.grow(set), std::bad_alloc) << growth.name;
        }
        EXPECT_EQ(set.Count(), 1'000) << growth.name;
        EXPECT_EQ(set.Capacity(), 1'000) << growth.name;
        EXPECT_EQ(set.minVariants, 3) << growth.name;
        EXPECT_EQ(set.covered, 77) << growth.name;
        EXPECT_TRUE(SameColumns(ColumnsOf(set), columns)) << growth.name;

        // With memory back, the same growth succeeds.
        growth.grow(set);
        EXPECT_GT(set.Capacity(), 1'000) << growth.name;
    }
}

TEST(ColumnSetTest, ConstructionWithoutMemoryThrows) {
    const AllocationFailure failure(100 * sizeof(CColumn));
    EXPECT_THROW(CColumnSet set(kAllColumns), std::bad_alloc);
}

TEST(ColumnSetTest, LargeStorageStartsOnAHugePageBoundary) {
    CColumnSet all(kAllColumns);
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(all.begin()) % (std::uintptr_t{2} << 20), 0U);
    // Fresh slots take their first write; the last one is inside the block.
    all.GenerateAll(Scoring());
    EXPECT_EQ(all[kAllColumns - 1].Index(), kAllColumns - 1);
}

// A bet renewed with all columns is what a new set filled by GenerateAll is;
// storage with room for them is kept, anything smaller is replaced.
TEST(ColumnSetTest, RenewWithAllColumnsReusesRoomyStorageAndResetsTheBet) {
    for (const std::int32_t slots : {kAllColumns, kAllColumns - 1, 0}) {
        auto bet = std::make_unique<CColumnSet>(slots);
        FillSet(*bet, SomeColumns(std::min(slots, 3)));
        bet->maxVariants = 9;
        bet->minDoses = 2;
        bet->covered = 77;
        const CColumnSet* const object = bet.get();
        const CColumn* const storage = bet->begin();
        RenewWithAllColumns(bet, Scoring());
        EXPECT_EQ(bet->Count(), kAllColumns) << slots;
        for (const std::int32_t i : {0, 1, 2, 3, 1'234'567, kAllColumns - 1}) {
            EXPECT_EQ((*bet)[i].Index(), i) << slots;
        }
        EXPECT_EQ(bet->maxVariants, 14);
        EXPECT_EQ(bet->minDoses, 0);
        EXPECT_EQ(bet->covered, 0);
        const bool reused = slots >= kAllColumns;
        EXPECT_EQ(bet.get() == object && bet->begin() == storage, reused) << slots;
    }
}

TEST(ColumnSetTest, RenewWithAllColumnsFailsOnlyWhenItNeedsANewSet) {
    auto roomy = std::make_unique<CColumnSet>(kAllColumns);
    auto small = std::make_unique<CColumnSet>(3);
    FillSet(*small, SomeColumns(3));
    small->covered = 5;
    {
        const AllocationFailure noLargeBlock(1 << 20);
        EXPECT_NO_THROW(RenewWithAllColumns(roomy, Scoring()));
        EXPECT_THROW(RenewWithAllColumns(small, Scoring()), std::bad_alloc);
    }
    EXPECT_EQ(roomy->Count(), kAllColumns);
    EXPECT_TRUE(SameColumns(ColumnsOf(*small), SomeColumns(3)));
    EXPECT_EQ(small->covered, 5);
}

TEST(ColumnSetTest, GenerateAllFillsEveryColumnInIndexOrder) {
    CColumnSet set(0);  // grows to room for every column first
    set.Append(ColumnOf("2"));
    const ProgressRecorder recorder;
    set.GenerateAll(Scoring());

    ASSERT_EQ(set.Count(), kAllColumns);
    EXPECT_EQ(set[0].Hits(set[1]), 13);
    EXPECT_EQ(SignsOf(set[kAllColumns - 1]), "22222222222222");
    std::int32_t lowest = INT32_MAX;
    std::int32_t highest = INT32_MIN;
    for (std::int32_t i = 0; i < kAllColumns; ++i) {
        const CColumn& column = set[i];
        if (NaiveIndex(column) != i || column.marked != 0 ||
            column.score != column.ComputeScore(Scoring())) {
            FAIL() << "slot " << i << " holds " << SignsOf(column) << " score " << column.score
                   << " marked " << int{column.marked};
        }
        lowest = std::min(lowest, column.score);
        highest = std::max(highest, column.score);
    }
    EXPECT_EQ(highest, 100);
    EXPECT_EQ(lowest, 0);

    // 0..99 at the multiples of 10,000, then 0.
    std::vector<std::int32_t> expected;
    for (std::int32_t i = 0; i < kAllColumns; i += 10'000) {
        expected.push_back(static_cast<std::int32_t>(std::int64_t{i} * 100 / kAllColumns));
    }
    expected.push_back(0);
    EXPECT_EQ(recorder.Distinct(), WithoutRepeats(expected));
    EXPECT_EQ(recorder.Distinct().size(), 101U);
}

TEST(ColumnSetTest, SortByScorePutsTheHighestFirst) {
    CColumnSet set(3);
    for (const std::int32_t score : {5, 9, 7}) {
        CColumn column;
        column.score = score;
        set.AppendNoGrow(column);
    }
    set.SortByScore();
    EXPECT_EQ(set[0].score, 9);
    EXPECT_EQ(set[1].score, 7);
    EXPECT_EQ(set[2].score, 5);

    CColumnSet empty;
    empty.SortByScore();
    EXPECT_EQ(empty.Count(), 0);
}

TEST(ColumnSetTest, FilterOnAnEmptySetCallsNothing) {
    CColumnSet set(4);
    const ProgressRecorder recorder;
    std::int32_t calls = 0;
    set.Filter([&](const CColumn&) { return ++calls, true; });
    EXPECT_EQ(calls, 0);
    EXPECT_TRUE(recorder.Positions().empty());
}

TEST(ColumnSetTest, FilterKeepsOrderCompactsInPlaceAndKeepsTheStorage) {
    const std::vector<CColumn> columns = SomeColumns(100);
    CColumnSet set(100);

    FillSet(set, columns);
    set.Filter([](const CColumn&) { return true; });
    EXPECT_TRUE(SameColumns(ColumnsOf(set), columns));

    FillSet(set, columns);
    set.Filter([](const CColumn& column) { return column.score % 3 == 1; });
    std::vector<CColumn> expected;
    std::copy_if(columns.begin(), columns.end(), std::back_inserter(expected),
                 [](const CColumn& column) { return column.score % 3 == 1; });
    EXPECT_TRUE(SameColumns(ColumnsOf(set), expected));

    FillSet(set, columns);
    set.Filter([](const CColumn&) { return false; });
    EXPECT_EQ(set.Count(), 0);
    EXPECT_EQ(set.Capacity(), 100);
}

TEST(ColumnSetTest, FilterShowsThePredicateExactlyTheKeptPrefix) {
    const std::vector<CColumn> columns = SomeColumns(50);
    CColumnSet set(50);
    FillSet(set, columns);
    std::vector<CColumn> keptSoFar;
    std::int32_t calls = 0;
    set.Filter([&](const CColumn& column) {
        EXPECT_TRUE(SameColumns(ColumnsOf(set), keptSoFar)) << "call " << calls;
        EXPECT_EQ(column.score, columns[static_cast<std::size_t>(calls)].score);
        ++calls;
        const bool keep = (column.score / 4) % 2 == 0;
        if (keep) {
            keptSoFar.push_back(column);
        }
        return keep;
    });
    EXPECT_EQ(calls, 50);
    EXPECT_TRUE(SameColumns(ColumnsOf(set), keptSoFar));
}

TEST(ColumnSetTest, FilterReportsEachColumnsPositionBeforeTestingIt) {
    CColumnSet set(4);
    FillSet(set, SomeColumns(4));
    const ProgressRecorder recorder;
    std::vector<std::size_t> reportsSeenByPredicate;
    set.Filter([&](const CColumn&) {
        reportsSeenByPredicate.push_back(recorder.Positions().size());
        return false;
    });
    EXPECT_EQ(recorder.Positions(), (std::vector<std::int32_t>{0, 25, 50, 75}));
    EXPECT_EQ(reportsSeenByPredicate, (std::vector<std::size_t>{1, 2, 3, 4}));

    CColumnSet single(1);
    FillSet(single, SomeColumns(1));
    const ProgressRecorder singleRecorder;
    single.Filter([](const CColumn&) { return true; });
    EXPECT_EQ(singleRecorder.Positions(), (std::vector<std::int32_t>{0}));
}

TEST(ColumnSetTest, FilterWithAFunctionAndParameter) {
    CColumnSet set(100);
    FillSet(set, SomeColumns(100));
    set.Filter([](CColumn column, PredicateParameter limit) { return column.score >= limit; },
               PredicateParameter{90});
    EXPECT_EQ(set.Count(), 10);
    EXPECT_EQ(set[0].score, 90);
}

TEST(ColumnSetTest, DumpTextWritesTwentyNineCharactersAColumn) {
    CColumnSet set(3);
    char empty[4] = {'a', 'b', 'c', 'd'};
    set.DumpText(empty);
    EXPECT_EQ(empty[0], '\0');
    EXPECT_EQ(empty[1], 'b');

    set.AppendNoGrow(ColumnOf("1X2"));
    std::string text(29 + 1, '?');
    set.DumpText(text.data());
    EXPECT_EQ(text, std::string("1\tX\t2\t") + "1\t1\t1\t1\t1\t1\t1\t1\t1\t1\t1\t" + "\n" + '\0');

    FillSet(set, SomeColumns(3));
    std::string three(3 * 29 + 1, '?');
    set.DumpText(three.data());
    EXPECT_EQ(std::string(three.c_str()).size(), 3U * 29);
    EXPECT_EQ(three.substr(0, 28), "1\t1\t1\t1\t1\t1\t1\t1\t1\t1\t1\t1\t1\t1\t");
}

}  // namespace
