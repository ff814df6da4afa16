#include "reduction/cover_check.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "tests/core/test_support.h"

using namespace lumo;

namespace {

TEST(CoverCheckTest, AgreesWithComparingEveryPair) {
    std::mt19937 engine(3);
    for (std::int32_t round = 0; round < 40; ++round) {
        const std::vector<CColumn> bet = ClusteredBet(engine, 120);
        // Covers smaller and larger than the bet, so that both ways are used.
        const std::vector<CColumn> cover = ClusteredBet(engine, round % 2 == 0 ? 15 : 400);
        const std::int32_t guarantee = 10 + round % 5;
        EXPECT_EQ(FirstUncovered(*SetOf(bet), *SetOf(cover), guarantee),
                  NaiveFirstUncovered(bet, cover, guarantee))
            << "round " << round;
    }
}

TEST(CoverCheckTest, EmptySetsAndTheExactGuarantee) {
    const CColumn column = ColumnOf("1X21X21X21X21X");
    const auto bet = SetOf({column});
    EXPECT_EQ(FirstUncovered(*SetOf({}), *bet, 14), std::nullopt);
    EXPECT_EQ(FirstUncovered(*bet, *SetOf({}), 10), 0);
    const auto near = SetOf({ColumnOf("XX21X21X21X21X")});
    EXPECT_EQ(FirstUncovered(*bet, *near, 13), std::nullopt);
    EXPECT_EQ(FirstUncovered(*bet, *near, 14), 0);
}

}  // namespace
