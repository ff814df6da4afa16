#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

#include "bench/bench_sets.h"
#include "core/column_predicates.h"

namespace {

// The median score of the full set: ScoreAbove it keeps about half.
std::int32_t MedianScore() {
    std::vector<std::int32_t> scores;
    scores.reserve(kAllColumns);
    for (const CColumn& column : FullSetInIndexOrder()) {
        scores.push_back(column.score);
    }
    std::nth_element(scores.begin(), scores.begin() + kAllColumns / 2, scores.end());
    return scores[kAllColumns / 2];
}

void BM_FilterHalf(benchmark::State& state) {
    const std::int32_t median = MedianScore();
    CColumnSet set(kAllColumns);
    for (auto _ : state) {
        state.PauseTiming();
        CopyColumns(FullSetInIndexOrder(), kAllColumns, set);
        state.ResumeTiming();
        set.Filter(ScoreAbove{median});
        benchmark::DoNotOptimize(set.Count());
    }
    state.counters["kept"] = set.Count();
}
BENCHMARK(BM_FilterHalf)->Unit(benchmark::kMillisecond);

void BM_SortByScore(benchmark::State& state) {
    CColumnSet set(kAllColumns);
    for (auto _ : state) {
        state.PauseTiming();
        CopyColumns(FullSetInIndexOrder(), kAllColumns, set);
        state.ResumeTiming();
        set.SortByScore();
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_SortByScore)->Unit(benchmark::kMillisecond);

// Reference: std::sort with the comparison by score, highest first.
void BM_StdSortByScore(benchmark::State& state) {
    CColumnSet set(kAllColumns);
    for (auto _ : state) {
        state.PauseTiming();
        CopyColumns(FullSetInIndexOrder(), kAllColumns, set);
        state.ResumeTiming();
        std::sort(&set[0], &set[0] + set.Count(),
                  [](const CColumn& a, const CColumn& b) { return a.score > b.score; });
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_StdSortByScore)->Unit(benchmark::kMillisecond);

}  // namespace
