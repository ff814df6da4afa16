#include "value/column_values.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "tests/value/small_round.h"
#include "value/bet_value.h"

using namespace lumo;

namespace {

// Some possible results, and columns that miss 1 to 5 of the fixed matches.
std::vector<std::int32_t> ColumnsToCheck() {
    const std::vector<std::int32_t> possible = PossibleResults();
    std::vector<std::int32_t> columns;
    for (std::size_t i = 0; i < possible.size(); i += 7) {
        columns.push_back(possible[i]);
    }
    std::int32_t low = possible[5];
    std::int32_t high = possible[700];
    for (const std::size_t fixed : {1, 12, 4, 8, 2}) {
        low = WithSign(low, fixed, 2);
        high = WithSign(high, fixed, 1);
        columns.push_back(low);
        columns.push_back(high);
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
    const std::vector<std::int32_t> possible = PossibleResults();
    for (const std::int32_t c : {possible[0], possible[364], WithSign(possible[100], 4, 2)}) {
        const double expected = poorBrute.Value({c}).expected;
        EXPECT_NEAR(poor[static_cast<std::size_t>(c)], expected, 1e-9 * expected + 1e-12);
        EXPECT_LT(expected, 0.99 * unruled.Value({c}).expected) << "the rule drops some prize";
    }
    // With 1 € of takings no fund reaches 1 €.
    round.takings = 1.0;
    EXPECT_EQ(ColumnValues(round)[0], 0.0);
    const std::vector<std::int32_t>& bet = possible;
    EXPECT_EQ(ValueOfBet(round, bet).expected, 0.0);
    EXPECT_EQ(ValueOfBet(round, bet).cashChance, 0.0);
}

}  // namespace
