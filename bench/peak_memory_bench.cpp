// Peak memory, measured by lumo_peak_memory in a fresh process: opening the
// full bet file into an empty bet may cost the set (95.7 MB) plus 8 MB at
// most; generating over a full bet whose storage holds all columns nothing.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
#include <string>

#include "bench/bench_sets.h"

using namespace lumo;

namespace {

// Runs lumo_peak_memory with `arguments`; false when it failed.
bool MeasurePeak(const std::string& arguments, long& riseKibibytes, long& setKibibytes) {
    const std::string command = std::string(LUMO_PEAK_MEMORY) + " " + arguments;
    const std::unique_ptr<FILE, int (*)(FILE*)> child(popen(command.c_str(), "r"), pclose);
    return child && std::fscanf(child.get(), "%ld %ld", &riseKibibytes, &setKibibytes) == 2;
}

void ReportPeak(benchmark::State& state, const std::string& arguments) {
    long rise = 0;
    long set = 0;
    for (auto _ : state) {
        if (!MeasurePeak(arguments, rise, set)) {
            state.SkipWithError("the measuring process failed");
            return;
        }
    }
    state.counters["rise_MB"] = static_cast<double>(rise) * 1024 / 1e6;
    state.counters["set_MB"] = static_cast<double>(set) * 1024 / 1e6;
    state.counters["over_set_MB"] = static_cast<double>(rise - set) * 1024 / 1e6;
}

void BM_PeakOpenBetFile(benchmark::State& state) {
    ReportPeak(state, "open " + FullBetFile().string());
}
BENCHMARK(BM_PeakOpenBetFile)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_PeakGenerateOverFullBet(benchmark::State& state) {
    ReportPeak(state, "generate");
}
BENCHMARK(BM_PeakGenerateOverFullBet)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
