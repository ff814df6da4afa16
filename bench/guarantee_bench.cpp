// The guarantee reductions of lumo-cli against the window's distance
// reduction of the same bet, and the product constructions.
#include <benchmark/benchmark.h>

#include <array>
#include <chrono>
#include <iostream>
#include <memory>
#include <vector>

#include "bench/bench_sets.h"
#include "core/column_predicates.h"
#include "core/condition.h"
#include "core/covering.h"
#include "forecast/forecast_file.h"
#include "reduction/guarantee_reduction.h"
#include "reduction/internal/bet_index.h"

using namespace lumo;

namespace {

// Builds a bet as the window does, with the forecast rows given.
template <typename Steps>
std::unique_ptr<CColumnSet> BuildBet(const CForecastTable& table, Steps steps) {
    auto bet = std::make_unique<CColumnSet>(kAllColumns);
    bet->GenerateAll(ScoringOf(table));
    steps(*bet);
    return bet;
}

// The example forecast's bet: all columns, cut below 60, the zero step and
// the condition 4..9 variants, 0..5 twos.
const CColumnSet& ExampleBet() {
    static const std::unique_ptr<CColumnSet> bet = [] {
        const CForecastTable table =
            LoadForecast(std::filesystem::path(LUMO_EXAMPLES_DIR "/pronostico.txt"), std::cout)
                .table;
        return BuildBet(table, [&table](CColumnSet& set) {
            set.Filter(ScoreAbove{60});
            set.Filter(NoZeroPercent(table));
            KeepWithinCondition(set,
                                {.minVariants = 4, .maxVariants = 9, .minDoses = 0, .maxDoses = 5});
        });
    }();
    return *bet;
}

// The window's step 5 on that bet: sort, then the distance reduction.
std::int32_t WindowReductionCount(std::int32_t distance) {
    CColumnSet sorted;
    CopyColumns(ExampleBet(), ExampleBet().Count(), sorted);
    sorted.SortByScore();
    sorted.Filter(NotNearKept(sorted, distance));
    return sorted.Count();
}

// Al G on the example bet, optimised for the given seconds; the counters
// give the sizes, the lower bound and the ratio to the window's reduction at
// distance 14 - G.
void ReduceExampleBet(benchmark::State& state, std::int32_t guarantee, std::int32_t seconds) {
    const CColumnSet& bet = ExampleBet();
    GuaranteeReduction reduction;
    for (auto _ : state) {
        reduction = ReduceWithGuarantee(
            bet, {.guarantee = guarantee, .optimise = std::chrono::seconds(seconds)});
    }
    const std::int32_t window = WindowReductionCount(kMatches - guarantee);
    const auto kept = static_cast<double>(reduction.positions.size());
    state.counters["bet"] = bet.Count();
    state.counters["kept"] = kept;
    state.counters["bound"] = reduction.lowerBound;
    state.counters["window"] = window;
    state.counters["ratio"] = kept / window;
}

// The sums over every ball al 11 of the example bet, in passes over all
// columns: in fresh room each time, or in room kept from one call to the
// next as the Lagrangian bound's steps keep it (arg 1).
void BM_BallSums(benchmark::State& state) {
    const internal::BetIndex index(ExampleBet());
    const std::vector<double> values(static_cast<std::size_t>(index.Size()), 1.0);
    std::vector<double> scratch;
    for (auto _ : state) {
        if (state.range(0) == 1) {
            benchmark::DoNotOptimize(index.SumsNear(3, values, scratch));
        } else {
            benchmark::DoNotOptimize(index.SumsNear(3, values));
        }
    }
    state.counters["bet"] = index.Size();
}
BENCHMARK(BM_BallSums)->Arg(0)->Arg(1)->Iterations(8)->UseRealTime()->Unit(benchmark::kMillisecond);

void BM_GuaranteeReduce(benchmark::State& state) {
    ReduceExampleBet(state, static_cast<std::int32_t>(state.range(0)), 0);
}

BENCHMARK(BM_GuaranteeReduce)
    ->Arg(13)
    ->Arg(12)
    ->Arg(11)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1);

// A minute of optimisation: left out of `make bench` (its filter), run by
// name.
void BM_GuaranteeOptimise60(benchmark::State& state) {
    ReduceExampleBet(state, static_cast<std::int32_t>(state.range(0)), 60);
}
BENCHMARK(BM_GuaranteeOptimise60)
    ->Arg(13)
    ->Arg(12)
    ->Arg(11)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1);

// A product bet: `triples` triples, `doubles` doubles, the rest fixed.
const CColumnSet& ProductBet(std::int32_t triples, std::int32_t doubles) {
    static std::array<std::array<std::unique_ptr<CColumnSet>, kMatches + 1>, kMatches + 1> bets;
    auto& bet = bets[static_cast<std::size_t>(triples)][static_cast<std::size_t>(doubles)];
    if (!bet) {
        CForecastTable table;
        for (std::int32_t m = 0; m < kMatches; ++m) {
            table.rows[static_cast<std::size_t>(m)] =
                m < triples             ? std::array<std::int32_t, 3>{40, 30, 30}
                : m < triples + doubles ? std::array<std::int32_t, 3>{50, 50, 0}
                                        : std::array<std::int32_t, 3>{100, 0, 0};
        }
        bet = BuildBet(table, [&table](CColumnSet& set) { set.Filter(NoZeroPercent(table)); });
    }
    return *bet;
}

// Arguments: triples, doubles, guarantee, seconds of optimisation.
void BM_ProductReduce(benchmark::State& state) {
    const CColumnSet& bet = ProductBet(static_cast<std::int32_t>(state.range(0)),
                                       static_cast<std::int32_t>(state.range(1)));
    std::size_t kept = 0;
    for (auto _ : state) {
        kept = ReduceWithGuarantee(bet, {.guarantee = static_cast<std::int32_t>(state.range(2)),
                                         .optimise = std::chrono::seconds(state.range(3))})
                   .positions.size();
    }
    state.counters["bet"] = bet.Count();
    state.counters["kept"] = static_cast<double>(kept);
}
BENCHMARK(BM_ProductReduce)
    ->ArgNames({"triples", "doubles", "al", "optimise"})
    ->Args({4, 0, 13, 0})
    ->Args({0, 7, 13, 0})
    ->Args({8, 0, 12, 0})
    ->Args({8, 0, 11, 0})
    ->Args({3, 6, 13, 0})
    ->Args({3, 6, 13, 30})
    ->Args({5, 4, 12, 0})
    ->Args({6, 3, 12, 0})
    ->Args({3, 9, 12, 0})
    ->Args({6, 7, 13, 0})
    ->Args({9, 2, 12, 0})
    ->Args({6, 7, 11, 0})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1);

}  // namespace
