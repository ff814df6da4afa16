// Reference for fresh memory: a set with room for all columns, made through
// the set's own allocation, every slot written once, then let go.
#include <benchmark/benchmark.h>

#include "bench/bench_sets.h"

using namespace lumo;

namespace {

void BM_TouchFreshSet(benchmark::State& state) {
    const QuietProgress quiet;
    for (auto _ : state) {
        CColumnSet set(kAllColumns);
        CColumn column;
        for (std::int32_t i = 0; i < kAllColumns; ++i) {
            column.score = i;
            set.AppendNoGrow(column);
        }
        benchmark::DoNotOptimize(&set[kAllColumns - 1]);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_TouchFreshSet)->Unit(benchmark::kMillisecond);

}  // namespace
