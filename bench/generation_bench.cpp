#include <benchmark/benchmark.h>

#include <memory>

#include "bench/bench_sets.h"

using namespace lumo;

namespace {

// Reference: one plain store pass over an array of kAllColumns records.
void BM_WriteArray(benchmark::State& state) {
    auto records = std::make_unique<CColumn[]>(kAllColumns);
    for (auto _ : state) {
        for (std::int32_t i = 0; i < kAllColumns; ++i) {
            CColumn& record = records[static_cast<std::size_t>(i)];
            record.score = i;
            record.marked = 0;
            record.results.fill(1);
        }
        benchmark::DoNotOptimize(records.get());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_WriteArray)->Unit(benchmark::kMillisecond);

void BM_GenerateAll(benchmark::State& state) {
    const QuietProgress quiet;
    CColumnSet set(kAllColumns);
    for (auto _ : state) {
        set.GenerateAll(Scoring());
        benchmark::DoNotOptimize(&set[0]);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_GenerateAll)->Unit(benchmark::kMillisecond);

// Reference: per index, SetFromIndex by division, then ComputeScore.
void BM_GenerateAllNaive(benchmark::State& state) {
    auto records = std::make_unique<CColumn[]>(kAllColumns);
    const Scoring scoring;
    for (auto _ : state) {
        for (std::int32_t i = 0; i < kAllColumns; ++i) {
            CColumn& record = records[static_cast<std::size_t>(i)];
            record.SetFromIndex(i);
            record.score = record.ComputeScore(scoring);
        }
        benchmark::DoNotOptimize(records.get());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_GenerateAllNaive)->Unit(benchmark::kMillisecond);

}  // namespace
