#include <benchmark/benchmark.h>

#include "bench/bench_sets.h"
#include "core/covering.h"

using namespace lumo;

namespace {

// One greedy covering step with distance d on a fresh universe.
void BM_GreedyStep(benchmark::State& state) {
    const auto distance = static_cast<std::int32_t>(state.range(0));
    CColumnSet universe(kAllColumns);
    CColumnSet bet;
    for (auto _ : state) {
        state.PauseTiming();
        CopyColumns(FullSetInIndexOrder(), kAllColumns, universe);
        bet.covered = 0;
        state.ResumeTiming();
        benchmark::DoNotOptimize(ReduceStep(bet, universe, distance));
    }
    state.counters["covered"] = bet.covered;
}
BENCHMARK(BM_GreedyStep)->DenseRange(1, 6)->Unit(benchmark::kMillisecond);

}  // namespace
