#include "value/column_values.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "tests/value/small_round.h"
#include "value/bet_value.h"

using namespace lumo;

namespace {

// The possible results, and columns that miss 1 to 5 of the fixed matches.
std::vector<std::int32_t> ColumnsToCheck() {
    std::vector<std::int32_t> columns;
    for (std::int32_t c = 0; c < 729; c += 7) {
        columns.push_back(c);
    }
    std::int32_t fixedMiss = 0;
    std::int32_t weight = 729;  // 3^6: the first fixed match
    for (int changed = 1; changed <= 5; ++changed, weight *= 3) {
        fixedMiss += weight * (changed % 2 == 0 ? 1 : 2);
        columns.push_back(fixedMiss + 5);
        columns.push_back(fixedMiss + 700);
    }
    return columns;
}

// The values of the small round and its brute force, made once.
const std::vector<double>& Values() {
    static const std::vector<double> values = ColumnValues(SmallRound());
    return values;
}

BruteForce& Brute() {
    static BruteForce brute(SmallRound());
    return brute;
}

TEST(ColumnValuesTest, EqualTheBruteForce) {
    for (const std::int32_t c : ColumnsToCheck()) {
        const double expected = Brute().Value({c}).expected;
        EXPECT_NEAR(Values()[static_cast<std::size_t>(c)], expected, 1e-9 * expected + 1e-12)
            << "column " << c;
    }
}

TEST(ColumnValuesTest, EqualTheValueOfABetOfThatColumnAlone) {
    const std::vector<std::int32_t> all = ColumnsToCheck();
    for (std::size_t i = 0; i < all.size(); i += 19) {
        const std::int32_t c = all[i];
        const std::int32_t bet[] = {c};
        const double alone = Values()[static_cast<std::size_t>(c)];
        EXPECT_NEAR(ValueOfBet(SmallRound(), bet).expected, alone, 1e-9 * alone + 1e-12)
            << "column " << c;
    }
}

// Takings of 30 € leave every fund under 1 € per expected winner on some
// results and not on others; the brute force drops exactly those.
TEST(ColumnValuesTest, AFundUnderOneEuroPaysNothing) {
    Round round = SmallRound();
    round.takings = 30.0;
    round.jackpot = 0.0;
    const std::vector<double> poor = ColumnValues(round);
    BruteForce poorBrute(round);
    BruteForce unruled(round, LeastPrizeRule::kIgnored);
    for (const std::int32_t c : {0, 100, 364, 728}) {
        const double expected = poorBrute.Value({c}).expected;
        EXPECT_NEAR(poor[static_cast<std::size_t>(c)], expected, 1e-9 * expected + 1e-12);
        EXPECT_LT(expected, 0.99 * unruled.Value({c}).expected) << "the rule drops some prize";
    }
    // With 1 € of takings no fund reaches 1 €.
    round.takings = 1.0;
    EXPECT_EQ(ColumnValues(round)[0], 0.0);
    const std::int32_t bet[] = {0, 1, 2};
    EXPECT_EQ(ValueOfBet(round, bet).expected, 0.0);
    EXPECT_EQ(ValueOfBet(round, bet).cashChance, 0.0);
}

}  // namespace
