#include <benchmark/benchmark.h>

#include "bench/bench_sets.h"
#include "core/column_predicates.h"
#include "core/condition.h"

namespace {

// The whole-set passes of the step commands and tools, on the full set.
template <typename Pass>
void RunOnFullSet(benchmark::State& state, Pass pass) {
    CColumnSet set(kAllColumns);
    for (auto _ : state) {
        state.PauseTiming();
        CopyColumns(FullSetInIndexOrder(), kAllColumns, set);
        state.ResumeTiming();
        pass(set);
        benchmark::DoNotOptimize(set.Count());
    }
    state.counters["kept"] = set.Count();
}

void BM_NoZeroPercent(benchmark::State& state) {
    RunOnFullSet(state, [](CColumnSet& set) { set.Filter(NoZeroPercent()); });
}
BENCHMARK(BM_NoZeroPercent)->Unit(benchmark::kMillisecond);

void BM_Condition(benchmark::State& state) {
    RunOnFullSet(state, [](CColumnSet& set) {
        KeepWithinCondition(set, ConditionBounds{3, 9, 1, 5});
    });
}
BENCHMARK(BM_Condition)->Unit(benchmark::kMillisecond);

void BM_Profitable(benchmark::State& state) {
    RunOnFullSet(state, [](CColumnSet& set) { set.Filter(IsProfitable(1.0)); });
}
BENCHMARK(BM_Profitable)->Unit(benchmark::kMillisecond);

}  // namespace
