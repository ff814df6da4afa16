#include "core/neighbour.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "tests/core/test_support.h"

using namespace lumo;

namespace {

TEST(NeighbourTest, EvenChangesRotateForwardAndOddOnesBackward) {
    struct Case {
        const char* column;
        std::int32_t change;
        const char* neighbour;
    };
    const Case cases[] = {
        {"11111111111111", 0, "X1111111111111"},  {"11111111111111", 1, "21111111111111"},
        {"X1111111111111", 0, "21111111111111"},  {"X1111111111111", 1, "11111111111111"},
        {"21111111111111", 0, "11111111111111"},  {"21111111111111", 1, "X1111111111111"},
        {"11111111111112", 26, "11111111111111"}, {"11111111111112", 27, "1111111111111X"},
        {"1X21X21X21X21X", 5, "1XX1X21X21X21X"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SignsOf(Neighbour(ColumnOf(c.column), c.change)), c.neighbour)
            << c.column << " change " << c.change;
    }
}

TEST(NeighbourTest, KeepsScoreAndMark) {
    CColumn column = ColumnOf("1X2");
    column.score = 61;
    column.marked = 1;
    const CColumn neighbour = Neighbour(column, 3);
    EXPECT_EQ(neighbour.score, 61);
    EXPECT_EQ(neighbour.marked, 1);
}

TEST(NeighbourTest, TheTwentyEightChangesGiveEveryColumnOneMatchAway) {
    const CColumn column = ColumnOf("1X21X21X21X21X");
    std::set<std::int32_t> seen;
    for (std::int32_t change = 0; change < kNeighbourChanges; ++change) {
        const CColumn neighbour = Neighbour(column, change);
        EXPECT_EQ(NaiveHits(neighbour, column), 13) << change;
        EXPECT_NE(neighbour.results[static_cast<std::size_t>(change / 2)],
                  column.results[static_cast<std::size_t>(change / 2)]);
        seen.insert(NaiveIndex(neighbour));
    }
    EXPECT_EQ(seen.size(), 28U);
}

// Two changes in a row: the source 28 times, each one-change neighbour once,
// each two-change neighbour twice; 784 in all.
TEST(NeighbourTest, TwoChangesInARowCoverTheDistanceTwoBall) {
    const CColumn column = ColumnOf("2X11X2X21X112X");
    std::map<std::int32_t, std::int32_t> occurrences;
    std::int32_t total = 0;
    for (std::int32_t i = 0; i < kNeighbourChanges; ++i) {
        for (std::int32_t j = 0; j < kNeighbourChanges; ++j) {
            ++occurrences[NaiveIndex(Neighbour(Neighbour(column, i), j))];
            ++total;
        }
    }
    EXPECT_EQ(total, 784);
    std::map<std::int32_t, std::int32_t> columnsByDistance;
    for (const auto& [index, count] : occurrences) {
        const std::int32_t distance = 14 - NaiveHits(CColumn(index), column);
        const std::int32_t expectedCount = distance == 0 ? 28 : distance == 1 ? 1 : 2;
        EXPECT_EQ(count, expectedCount) << SignsOf(CColumn(index));
        ++columnsByDistance[distance];
    }
    EXPECT_EQ(columnsByDistance, (std::map<std::int32_t, std::int32_t>{{0, 1}, {1, 28}, {2, 364}}));
}

}  // namespace
