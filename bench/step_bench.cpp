#include <benchmark/benchmark.h>

#include "bench/bench_sets.h"
#include "bench/timed_pass.h"
#include "core/column_predicates.h"
#include "core/condition.h"

using namespace lumo;

namespace {

// The whole-set passes of the step commands and tools, on the full set.
void BM_NoZeroPercent(benchmark::State& state) {
    TimePassOnCopy(state, FullSetInIndexOrder(), kAllColumns,
                   [](CColumnSet& set) { set.Filter(NoZeroPercent(CForecastTable())); });
}
BENCHMARK(BM_NoZeroPercent)->Unit(benchmark::kMillisecond);

void BM_Condition(benchmark::State& state) {
    TimePassOnCopy(state, FullSetInIndexOrder(), kAllColumns, [](CColumnSet& set) {
        KeepWithinCondition(set, ConditionBounds{3, 9, 1, 5});
    });
}
BENCHMARK(BM_Condition)->Unit(benchmark::kMillisecond);

void BM_Profitable(benchmark::State& state) {
    TimePassOnCopy(state, FullSetInIndexOrder(), kAllColumns,
                   [](CColumnSet& set) { set.Filter(IsProfitable(1.0, CForecastTable())); });
}
BENCHMARK(BM_Profitable)->Unit(benchmark::kMillisecond);

}  // namespace
