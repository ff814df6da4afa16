#include "forecast/bet_shares.h"

#include <gtest/gtest.h>

using namespace lumo;

namespace {

CColumn ColumnOf(std::uint8_t first, std::uint8_t others) {
    CColumn column;
    column.results.fill(others);
    column.results[0] = first;
    return column;
}

TEST(BetSharesTest, EmptyBetShowsZeros) {
    const CColumnSet bet;
    for (const auto& text : BetShareRowTexts(bet)) {
        EXPECT_EQ(text, "00 00 00");
    }
}

TEST(BetSharesTest, CountsEachResultPerMatch) {
    CColumnSet bet;
    for (const std::uint8_t first : {kHomeWin, kDraw, kAwayWin}) {
        bet.AppendNoGrow(ColumnOf(first, kHomeWin));
    }
    const auto texts = BetShareRowTexts(bet);
    EXPECT_EQ(texts[0], "33 33 33");
    for (std::size_t m = 1; m < texts.size(); ++m) {
        EXPECT_EQ(texts[m], "100 00 00");
    }
}

TEST(BetSharesTest, LargeBetCountsTheListedColumnsAsPercentages) {
    CColumnSet bet;
    for (int i = 0; i < 600; ++i) {
        bet.AppendNoGrow(
            ColumnOf(i < 250 ? kDraw : kHomeWin, i < kMaxListedColumns ? kHomeWin : kAwayWin));
    }
    const CForecastTable shares = ComputeBetShares(bet);
    EXPECT_EQ(shares.rows[0], (std::array<std::int32_t, 3>{50, 50, 0}));
    EXPECT_EQ(shares.rows[1], (std::array<std::int32_t, 3>{100, 0, 0}));
}

TEST(BetSharesTest, CodeAboveTwoCountsAsTwo) {
    CColumnSet bet;
    bet.AppendNoGrow(ColumnOf(7, 255));
    EXPECT_EQ(ComputeBetShares(bet).rows[0], (std::array<std::int32_t, 3>{0, 0, 100}));
}

}  // namespace
