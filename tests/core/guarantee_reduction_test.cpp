#include "core/guarantee_reduction.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "core/column_predicates.h"
#include "core/cover_check.h"
#include "tests/core/test_support.h"

namespace {

// The bet of a forecast with `triples` rows 40 30 30, `doubles` rows 50 50 0
// and fixed rows 100 0 0, built as the window builds it: all columns, then
// the zero step.
std::unique_ptr<CColumnSet> ProductBet(std::size_t triples, std::size_t doubles) {
    ScoringStateGuard guard;
    for (std::size_t m = 0; m < forecastTable.rows.size(); ++m) {
        forecastTable.rows[m] = m < triples             ? std::array<std::int32_t, 3>{40, 30, 30}
                                : m < triples + doubles ? std::array<std::int32_t, 3>{50, 50, 0}
                                                        : std::array<std::int32_t, 3>{100, 0, 0};
    }
    UpdateScoreBounds(forecastTable);
    auto bet = std::make_unique<CColumnSet>(kAllColumns);
    bet->GenerateAll();
    bet->Filter(NoZeroPercent(forecastTable));
    return bet;
}

std::unique_ptr<CColumnSet> Kept(const CColumnSet& bet, const GuaranteeReduction& reduction) {
    auto kept = std::make_unique<CColumnSet>();
    for (const std::int32_t position : reduction.positions) {
        kept->Append(bet[position]);
    }
    return kept;
}

TEST(GuaranteeReductionTest, KeepsAnOrderedSubsetThatHoldsTheGuarantee) {
    std::mt19937 engine(21);
    for (std::int32_t guarantee = 10; guarantee <= kMatches; ++guarantee) {
        const std::vector<CColumn> columns = ClusteredBet(engine, 500);
        const auto bet = SetOf(columns);
        const GuaranteeReduction reduction = ReduceWithGuarantee(*bet, guarantee, {});
        EXPECT_TRUE(std::is_sorted(reduction.positions.begin(), reduction.positions.end()));
        EXPECT_EQ(FirstUncovered(*bet, *Kept(*bet, reduction), guarantee), std::nullopt);
    }
    EXPECT_TRUE(ReduceWithGuarantee(*SetOf({}), 13, {}).positions.empty());
}

struct ProductCase {
    std::size_t triples;
    std::size_t doubles;
    std::int32_t guarantee;
    std::size_t atMost;
};

TEST(GuaranteeReductionTest, ProductBetsReachTheKnownSizes) {
    const ProductCase cases[] = {
        {4, 0, 13, 9}, {0, 7, 13, 16}, {8, 0, 12, 81}, {8, 0, 11, 27}, {3, 6, 13, 192},
    };
    for (const ProductCase& c : cases) {
        const auto bet = ProductBet(c.triples, c.doubles);
        const GuaranteeReduction reduction = ReduceWithGuarantee(*bet, c.guarantee, {});
        EXPECT_LE(reduction.positions.size(), c.atMost)
            << c.triples << " triples, " << c.doubles << " doubles, al " << c.guarantee;
        EXPECT_EQ(FirstUncovered(*bet, *Kept(*bet, reduction), c.guarantee), std::nullopt);
    }
}

}  // namespace
