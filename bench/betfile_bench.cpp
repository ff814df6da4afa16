// Bet file speed over the full set of 4,782,969 columns (76,527,513 bytes):
// both directions must reach 100 MB/s.
#include <benchmark/benchmark.h>

#include <sstream>
#include <streambuf>
#include <string>

#include "bench/bench_sets.h"
#include "betfile/bet_reader.h"
#include "betfile/bet_writer.h"

namespace {

// Takes whatever is written and keeps only its size, so that the write is
// measured without the cost of storing 76.5 MB.
class CountingBuffer : public std::streambuf {
  public:
    std::streamsize written = 0;

  protected:
    std::streamsize xsputn(const char*, std::streamsize count) override {
        written += count;
        return count;
    }
    int_type overflow(int_type c) override {
        ++written;
        return c;
    }
};

void BM_WriteBetFull(benchmark::State& state) {
    const CColumnSet& all = FullSetInIndexOrder();
    std::streamsize bytes = 0;
    for (auto _ : state) {
        CountingBuffer counting;
        std::ostream out(&counting);
        WriteBet(out, all);
        bytes = counting.written;
        benchmark::DoNotOptimize(bytes);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * bytes);
}
BENCHMARK(BM_WriteBetFull)->Unit(benchmark::kMillisecond);

void BM_ReadBetFull(benchmark::State& state) {
    std::ostringstream written;
    WriteBet(written, FullSetInIndexOrder());
    const std::string text = std::move(written).str();
    for (auto _ : state) {
        state.PauseTiming();
        std::istringstream in(text);
        CColumnSet set;
        state.ResumeTiming();
        const BetReadResult result = ReadBet(in, set);
        benchmark::DoNotOptimize(result);
        if (result.added != kAllColumns) {
            state.SkipWithError("the full set did not read back");
        }
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(text.size()));
}
BENCHMARK(BM_ReadBetFull)->Unit(benchmark::kMillisecond);

}  // namespace
