#include "reduction/guarantee_reduction.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <random>
#include <stop_token>
#include <thread>
#include <vector>

#include "core/column_predicates.h"
#include "reduction/cover_check.h"
#include "tests/core/test_support.h"

using namespace lumo;

namespace {

// The bet of a forecast with `triples` rows 40 30 30, `doubles` rows 50 50 0
// and fixed rows 100 0 0, built as the window builds it: all columns, then
// the zero step.
std::unique_ptr<CColumnSet> ProductBet(std::size_t triples, std::size_t doubles) {
    CForecastTable table;
    for (std::size_t m = 0; m < table.rows.size(); ++m) {
        table.rows[m] = m < triples             ? std::array<std::int32_t, 3>{40, 30, 30}
                        : m < triples + doubles ? std::array<std::int32_t, 3>{50, 50, 0}
                                                : std::array<std::int32_t, 3>{100, 0, 0};
    }
    auto bet = std::make_unique<CColumnSet>(kAllColumns);
    bet->GenerateAll(ScoringOf(table));
    bet->Filter(NoZeroPercent(table));
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
        const GuaranteeReduction reduction = ReduceWithGuarantee(*bet, {.guarantee = guarantee});
        EXPECT_TRUE(std::is_sorted(reduction.positions.begin(), reduction.positions.end()));
        EXPECT_EQ(FirstUncovered(*bet, *Kept(*bet, reduction), guarantee), std::nullopt);
    }
    EXPECT_TRUE(ReduceWithGuarantee(*SetOf({}), {.guarantee = 13}).positions.empty());
}

TEST(GuaranteeReductionTest, ProductBetsTakeTheConstructionOrTheSearchWhenSmaller) {
    // Eight triples al 11: the construction's 27 columns beat the greedy covering.
    const auto triples = ProductBet(8, 0);
    const GuaranteeReduction al11 = ReduceWithGuarantee(*triples, {.guarantee = 11});
    EXPECT_EQ(al11.method, ReductionMethod::kProduct);
    EXPECT_EQ(al11.positions.size(), 27U);
    EXPECT_EQ(FirstUncovered(*triples, *Kept(*triples, al11), 11), std::nullopt);
    // Three triples and six doubles al 13: the table's mixed code of 175
    // columns beats the greedy covering; the short search may shorten it.
    const auto mixed = ProductBet(3, 6);
    const GuaranteeReduction al13 = ReduceWithGuarantee(*mixed, {.guarantee = 13});
    EXPECT_NE(al13.method, ReductionMethod::kGreedy);
    EXPECT_LE(al13.positions.size(), 175U);
    EXPECT_EQ(FirstUncovered(*mixed, *Kept(*mixed, al13), 13), std::nullopt);
}

TEST(GuaranteeReductionTest, ThickBetsStartFromTheirHullsCode) {
    // The Golay code's columns in the bet, completed greedily, give 1,140
    // columns al 12; the greedy covering alone gives 1,296.
    const auto bet = ElevenTriplesBet(70);
    const GuaranteeReduction al12 = ReduceWithGuarantee(*bet, {.guarantee = 12});
    EXPECT_NE(al12.method, ReductionMethod::kGreedy);
    EXPECT_LT(al12.positions.size(), 1'200U);
    EXPECT_EQ(FirstUncovered(*bet, *Kept(*bet, al12), 12), std::nullopt);
}

// Eleven triples and two doubles al 11: an optimisation first builds the
// parity Golay start and searches from both starts within its time. Here the
// time is over before the searches begin, so the smaller start is the result.
TEST(GuaranteeReductionTest, AnOptimisationAl11AlsoStartsFromTheParityGolayCode) {
    const auto bet = ElevenTriplesBet(78, ExampleDoubles::kKept);
    const GuaranteeReduction plain = ReduceWithGuarantee(*bet, {.guarantee = 11});
    const GuaranteeReduction optimised =
        ReduceWithGuarantee(*bet, {.guarantee = 11, .optimise = std::chrono::milliseconds(1)});
    EXPECT_LE(optimised.positions.size(), plain.positions.size());
    EXPECT_EQ(FirstUncovered(*bet, *Kept(*bet, optimised), 11), std::nullopt);
}

TEST(GuaranteeReductionTest, LargeProductsTakeTheCodeAloneWithTheSphereBound) {
    // Eleven triples al 12 (177,147 columns): the ternary Golay code, perfect,
    // so its 729 columns meet the sphere bound; the greedy covering is not run
    // even when an optimisation is asked for.
    const auto triples = ProductBet(11, 0);
    const GuaranteeReduction al12 =
        ReduceWithGuarantee(*triples, {.guarantee = 12, .optimise = std::chrono::seconds(30)});
    EXPECT_EQ(al12.method, ReductionMethod::kProduct);
    EXPECT_EQ(al12.positions.size(), 729U);
    EXPECT_EQ(al12.lowerBound, 729);
    EXPECT_TRUE(std::is_sorted(al12.positions.begin(), al12.positions.end()));
    EXPECT_EQ(FirstUncovered(*triples, *Kept(*triples, al12), 12), std::nullopt);
    // Ten triples al 11 (59,049 columns, 1,161 in a ball): smaller, but its
    // greedy covering would take seconds.
    const auto ten = ProductBet(10, 0);
    const GuaranteeReduction al11 = ReduceWithGuarantee(*ten, {.guarantee = 11});
    EXPECT_EQ(al11.method, ReductionMethod::kProduct);
    EXPECT_EQ(al11.lowerBound, 51);
    EXPECT_EQ(FirstUncovered(*ten, *Kept(*ten, al11), 11), std::nullopt);
}

TEST(GuaranteeReductionTest, SmallerProductsGetALongerSearchAlikeEveryTime) {
    // Six triples and three doubles al 12: 94 columns by the greedy covering,
    // 104 by the product; two longer swap searches at once leave 80.
    const auto bet = ProductBet(6, 3);
    const GuaranteeReduction first = ReduceWithGuarantee(*bet, {.guarantee = 12});
    EXPECT_LE(first.positions.size(), 85U);
    EXPECT_EQ(FirstUncovered(*bet, *Kept(*bet, first), 12), std::nullopt);
    EXPECT_EQ(ReduceWithGuarantee(*bet, {.guarantee = 12}).positions, first.positions);
}

TEST(GuaranteeReductionTest, AStopRequestEndsTheWorkAtAnyPhase) {
    std::mt19937 engine(5);
    const auto bet = SetOf(ClusteredBet(engine, 2000));
    // Before the first covering is complete: no result.
    std::stop_source early;
    early.request_stop();
    const GuaranteeReduction none =
        ReduceWithGuarantee(*bet, {.guarantee = 12, .stop = early.get_token()});
    EXPECT_EQ(none.outcome, ReductionOutcome::kStopped);
    EXPECT_TRUE(none.positions.empty());
    // During an hour of optimisation, stopped once it has begun: the best
    // complete covering found, and progress reports within 0..100 that never
    // go back.
    std::stop_source late;
    std::vector<std::int32_t> reports;
    std::atomic<std::int32_t> reached{0};
    const ReductionRequest request{.guarantee = 12,
                                   .optimise = std::chrono::hours(1),
                                   .stop = late.get_token(),
                                   .progress = [&reports, &reached](std::int32_t position) {
                                       reports.push_back(position);
                                       reached = position;
                                   }};
    // The first covering takes the first 30 % of the progress: stops a moment
    // after it is reached, however slow the build, or after a minute if never.
    std::jthread stopper([&late, &reached] {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::minutes(1);
        while (reached < 30 && std::chrono::steady_clock::now() < deadline) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        late.request_stop();
    });
    const GuaranteeReduction kept = ReduceWithGuarantee(*bet, request);
    EXPECT_EQ(kept.outcome, ReductionOutcome::kStopped);
    ASSERT_FALSE(kept.positions.empty());
    EXPECT_EQ(FirstUncovered(*bet, *Kept(*bet, kept), 12), std::nullopt);
    ASSERT_FALSE(reports.empty());
    EXPECT_TRUE(std::is_sorted(reports.begin(), reports.end()));
    EXPECT_GE(reports.front(), 0);
    EXPECT_LE(reports.back(), 100);
}

// However the optimisation's time ends, the progress goes up to 100 and
// never back.
TEST(GuaranteeReductionTest, TheProgressEndsAt100) {
    std::mt19937 engine(7);
    const auto bet = SetOf(ClusteredBet(engine, 2000));
    std::vector<std::int32_t> reports;
    ReduceWithGuarantee(*bet, {.guarantee = 12,
                               .optimise = std::chrono::milliseconds(50),
                               .progress = [&](std::int32_t at) { reports.push_back(at); }});
    ASSERT_FALSE(reports.empty());
    EXPECT_TRUE(std::is_sorted(reports.begin(), reports.end()));
    EXPECT_EQ(reports.back(), 100);
}

// Stopped as soon as the first covering is complete, while the short search
// or the product's construction improves it: the covering is kept.
TEST(GuaranteeReductionTest, AStopOnceTheFirstCoveringIsCompleteKeepsIt) {
    std::mt19937 engine(9);
    const std::unique_ptr<CColumnSet> bets[] = {SetOf(ClusteredBet(engine, 2000)),
                                                ProductBet(7, 0)};
    for (const auto& bet : bets) {
        std::stop_source source;
        const GuaranteeReduction kept = ReduceWithGuarantee(
            *bet, {.guarantee = 12, .stop = source.get_token(), .progress = [&](std::int32_t at) {
                       if (at == 100) {
                           source.request_stop();
                       }
                   }});
        EXPECT_EQ(kept.outcome, ReductionOutcome::kStopped) << bet->Count();
        ASSERT_FALSE(kept.positions.empty()) << bet->Count();
        EXPECT_EQ(FirstUncovered(*bet, *Kept(*bet, kept), 12), std::nullopt);
    }
}

}  // namespace
