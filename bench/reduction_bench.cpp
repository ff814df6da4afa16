#include <benchmark/benchmark.h>

#include "bench/bench_sets.h"
#include "core/covering.h"

namespace {

constexpr std::int32_t kPrefix = 100'000;

// The distance reduction of the full set sorted by score, distance d.
void BM_Reduce(benchmark::State& state) {
    const auto distance = static_cast<std::int32_t>(state.range(0));
    CColumnSet set(kAllColumns);
    for (auto _ : state) {
        state.PauseTiming();
        CopyColumns(FullSetByScore(), kAllColumns, set);
        state.ResumeTiming();
        set.Filter(NotNearKept(set, distance));
        benchmark::DoNotOptimize(set.Count());
    }
    state.counters["kept"] = set.Count();
}
BENCHMARK(BM_Reduce)->DenseRange(0, 8)->Unit(benchmark::kMillisecond);

// The engine on the first 100,000 columns of the score-sorted set.
void BM_Reduce100k(benchmark::State& state) {
    const auto distance = static_cast<std::int32_t>(state.range(0));
    CColumnSet set(kPrefix);
    for (auto _ : state) {
        state.PauseTiming();
        CopyColumns(FullSetByScore(), kPrefix, set);
        state.ResumeTiming();
        set.Filter(NotNearKept(set, distance));
        benchmark::DoNotOptimize(set.Count());
    }
    state.counters["kept"] = set.Count();
}
BENCHMARK(BM_Reduce100k)->Arg(1)->Unit(benchmark::kMillisecond);

// Reference: the same prefix reduced by scanning the kept columns with
// AnyWithin for every column.
void BM_ReduceNaive(benchmark::State& state) {
    const auto distance = static_cast<std::int32_t>(state.range(0));
    CColumnSet set(kPrefix);
    for (auto _ : state) {
        state.PauseTiming();
        CopyColumns(FullSetByScore(), kPrefix, set);
        state.ResumeTiming();
        set.Filter([&](const CColumn& column) { return !AnyWithin(set, column, distance); });
        benchmark::DoNotOptimize(set.Count());
    }
    state.counters["kept"] = set.Count();
}
BENCHMARK(BM_ReduceNaive)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
