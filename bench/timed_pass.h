#pragma once

#include <benchmark/benchmark.h>

#include "bench/bench_sets.h"

// Times `pass` (a callable taking CColumnSet&) once per iteration on a fresh
// copy of the first `count` columns of `source`, the copy made outside the
// timed region; reports the columns the last pass left as "kept".
template <typename Pass>
void TimePassOnCopy(benchmark::State& state, const lumo::CColumnSet& source, std::int32_t count,
                    Pass pass) {
    lumo::CColumnSet set(count);
    for (auto _ : state) {
        state.PauseTiming();
        CopyColumns(source, count, set);
        state.ResumeTiming();
        pass(set);
        benchmark::DoNotOptimize(set.Count());
        benchmark::ClobberMemory();
    }
    state.counters["kept"] = set.Count();
}
