#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

#include "bench/bench_sets.h"
#include "bench/timed_pass.h"
#include "core/column_predicates.h"

using namespace lumo;

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
    TimePassOnCopy(state, FullSetInIndexOrder(), kAllColumns,
                   [median](CColumnSet& set) { set.Filter(ScoreAbove{median}); });
}
BENCHMARK(BM_FilterHalf)->Unit(benchmark::kMillisecond);

void BM_SortByScore(benchmark::State& state) {
    TimePassOnCopy(state, FullSetInIndexOrder(), kAllColumns,
                   [](CColumnSet& set) { set.SortByScore(); });
}
BENCHMARK(BM_SortByScore)->Unit(benchmark::kMillisecond);

// Reference: std::sort with the comparison by score, highest first.
void BM_StdSortByScore(benchmark::State& state) {
    TimePassOnCopy(state, FullSetInIndexOrder(), kAllColumns, [](CColumnSet& set) {
        std::sort(&set[0], &set[0] + set.Count(),
                  [](const CColumn& a, const CColumn& b) { return a.score > b.score; });
    });
}
BENCHMARK(BM_StdSortByScore)->Unit(benchmark::kMillisecond);

}  // namespace
