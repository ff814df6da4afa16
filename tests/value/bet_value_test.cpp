#include "value/bet_value.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "tests/value/small_round.h"

using namespace lumo;

namespace {

// Bets whose columns share categories: neighbours, a repeated column,
// columns off the fixed matches, and every possible result as a column.
std::vector<std::vector<std::int32_t>> Bets() {
    const std::vector<std::int32_t> p = PossibleResults();
    return {
        {p[0], p[1], p[2], p[3], p[9], p[27]},
        {p[364], p[364], p[365]},
        {p[40], p[41], p[42], WithSign(p[40], 1, 1), WithSign(WithSign(p[41], 2, 2), 9, 1),
         217'031},
        p,
    };
}

TEST(BetValueTest, EqualsTheBruteForce) {
    BruteForce brute(SmallRound());
    for (const std::vector<std::int32_t>& bet : Bets()) {
        const BetValue value = ValueOfBet(SmallRound(), bet);
        const BruteValue expected = brute.Value(bet);
        EXPECT_NEAR(value.expected / expected.expected, 1.0, 1e-5) << bet.size() << " columns";
        EXPECT_NEAR(value.cashChance, expected.cashChance, 1e-12);
        for (std::size_t e = 0; e < value.categoryChances.size(); ++e) {
            EXPECT_NEAR(value.categoryChances[e], expected.categoryChances[e], 1e-12)
                << e << " misses, " << bet.size() << " columns";
        }
    }
}

}  // namespace
