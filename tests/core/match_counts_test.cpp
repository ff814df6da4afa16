#include "core/match_counts.h"

#include <gtest/gtest.h>

#include "tests/core/test_support.h"

using namespace lumo;

namespace {

TEST(MatchCountsTest, CountsEachResultOfEachMatchOverTheWholeBet) {
    const auto bet = SetOf(
        {ColumnOf("1X2111111111112"), ColumnOf("11X111111111112"), ColumnOf("2X2111111111111")});
    const MatchCounts counts = CountResultsPerMatch(*bet);
    EXPECT_EQ(counts[0], (std::array<std::int32_t, 3>{2, 0, 1}));
    EXPECT_EQ(counts[1], (std::array<std::int32_t, 3>{1, 2, 0}));
    EXPECT_EQ(counts[2], (std::array<std::int32_t, 3>{0, 1, 2}));
    EXPECT_EQ(counts[13], (std::array<std::int32_t, 3>{3, 0, 0}));
    EXPECT_EQ(CountResultsPerMatch(*SetOf({}))[5], (std::array<std::int32_t, 3>{0, 0, 0}));
}

}  // namespace
