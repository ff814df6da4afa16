#include "core/scrutiny.h"

#include <gtest/gtest.h>

#include <random>

#include "tests/core/test_support.h"

using namespace lumo;

namespace {

TEST(ScrutinyTest, CountsEveryNumberOfHitsAsThePairwiseCountDoes) {
    std::mt19937 engine(7);
    const std::vector<CColumn> columns = ClusteredBet(engine, 400);
    const auto bet = SetOf(columns);
    const CColumn result = columns[3];
    std::array<std::int64_t, kMatches + 1> expected{};
    for (const CColumn& column : columns) {
        ++expected[static_cast<std::size_t>(NaiveHits(column, result))];
    }
    const Scrutiny scrutiny = Scrutinise(*bet, result);
    EXPECT_EQ(scrutiny.columnsByHits, expected);
    EXPECT_EQ(scrutiny.BestHits(), 14);
    EXPECT_EQ(scrutiny.special, 0);
}

TEST(ScrutinyTest, TheSpecialCategoryNeedsFourteenHitsAndTheRightPleno) {
    const CColumn result = ColumnOf("1X21X21X21X21X");
    const auto bet =
        SetOf({result, result, ColumnOf("1X21X21X21X212"), ColumnOf("22222222222222")});
    const PlenoScore twoToMore{PlenoGoals::kTwo, PlenoGoals::kMore};
    const Scrutiny right = Scrutinise(*bet, result, PlenoPlay{twoToMore, twoToMore});
    EXPECT_EQ(right.InCategory(PrizeCategory::kSpecial), 2);
    EXPECT_EQ(right.InCategory(PrizeCategory::kFourteen), 2);
    EXPECT_EQ(right.InCategory(PrizeCategory::kThirteen), 1);
    const Scrutiny wrong =
        Scrutinise(*bet, result, PlenoPlay{twoToMore, {PlenoGoals::kMore, PlenoGoals::kTwo}});
    EXPECT_EQ(wrong.InCategory(PrizeCategory::kSpecial), 0);

    PrizeTable prizes{};
    prizes[static_cast<std::size_t>(PrizeCategory::kSpecial)] = 100'000;
    prizes[static_cast<std::size_t>(PrizeCategory::kFourteen)] = 50'000;
    prizes[static_cast<std::size_t>(PrizeCategory::kThirteen)] = 1'000;
    EXPECT_EQ(WinningsCents(right, prizes), 2 * 100'000 + 2 * 50'000 + 1'000);
    EXPECT_EQ(WinningsCents(wrong, prizes), 2 * 50'000 + 1'000);
}

TEST(ScrutinyTest, AnEmptyBetHasNoBestHits) {
    EXPECT_FALSE(Scrutinise(*SetOf({}), ColumnOf("11111111111111")).BestHits().has_value());
}

TEST(ScrutinyTest, ReadsPlenoScoresAsTwoGoalSigns) {
    EXPECT_EQ(ParsePlenoScore("2-M"), (PlenoScore{PlenoGoals::kTwo, PlenoGoals::kMore}));
    EXPECT_EQ(ParsePlenoScore("m 0"), (PlenoScore{PlenoGoals::kMore, PlenoGoals::kZero}));
    EXPECT_EQ(ParsePlenoScore("10"), (PlenoScore{PlenoGoals::kOne, PlenoGoals::kZero}));
    for (const std::string_view bad : {"", "1", "3-0", "1-0-2", "X-1"}) {
        EXPECT_FALSE(ParsePlenoScore(bad).has_value()) << bad;
    }
}

}  // namespace
