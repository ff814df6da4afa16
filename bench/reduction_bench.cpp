#include <benchmark/benchmark.h>

#include "bench/bench_sets.h"
#include "bench/timed_pass.h"
#include "core/covering.h"

using namespace lumo;

namespace {

constexpr std::int32_t kPrefix = 100'000;

// The distance reduction of the full set sorted by score, distance d.
void BM_Reduce(benchmark::State& state) {
    const auto distance = static_cast<std::int32_t>(state.range(0));
    TimePassOnCopy(state, FullSetByScore(), kAllColumns,
                   [distance](CColumnSet& set) { set.Filter(NotNearKept(set, distance)); });
}
BENCHMARK(BM_Reduce)->DenseRange(0, 8)->Unit(benchmark::kMillisecond);

// The engine on the first 100,000 columns of the score-sorted set.
void BM_Reduce100k(benchmark::State& state) {
    const auto distance = static_cast<std::int32_t>(state.range(0));
    TimePassOnCopy(state, FullSetByScore(), kPrefix,
                   [distance](CColumnSet& set) { set.Filter(NotNearKept(set, distance)); });
}
BENCHMARK(BM_Reduce100k)->Arg(1)->Unit(benchmark::kMillisecond);

// Reference: the same prefix reduced by scanning the kept columns with
// AnyWithin for every column.
void BM_ReduceNaive(benchmark::State& state) {
    const auto distance = static_cast<std::int32_t>(state.range(0));
    TimePassOnCopy(state, FullSetByScore(), kPrefix, [distance](CColumnSet& set) {
        set.Filter([&](const CColumn& column) { return !AnyWithin(set, column, distance); });
    });
}
BENCHMARK(BM_ReduceNaive)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
