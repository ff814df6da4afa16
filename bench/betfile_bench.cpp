// Bet file speed over the full set of 4,782,969 columns (76,527,513 bytes),
// with the references it is measured against: one pass over the text and
// the set's fresh storage (fresh_set_bench.cpp).
#include <benchmark/benchmark.h>

#include <cstring>
#include <filesystem>
#include <memory>
#include <sstream>
#include <streambuf>
#include <string>

#include "bench/bench_sets.h"
#include "betfile/bet_reader.h"
#include "betfile/bet_writer.h"
#include "betfile/strict_bet_reader.h"

using namespace lumo;

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

// Reference for a pass over the text: one memchr pass counting line ends.
void BM_ScanText(benchmark::State& state) {
    const std::string& text = FullBetText();
    for (auto _ : state) {
        std::int64_t lines = 0;
        const char* next = text.data();
        const char* const end = text.data() + text.size();
        while ((next = static_cast<const char*>(
                    std::memchr(next, '\n', static_cast<std::size_t>(end - next)))) != nullptr) {
            ++lines;
            ++next;
        }
        benchmark::DoNotOptimize(lines);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(text.size()));
}
BENCHMARK(BM_ScanText)->Unit(benchmark::kMillisecond);

void CheckFullRead(benchmark::State& state, const BetReadResult& result) {
    if (result.end != BetReadEnd::kComplete || result.added != kAllColumns) {
        state.SkipWithError("the full set did not read back");
    }
}

enum class Storage { kHeld, kFresh };

// ReadBet of the full text from memory: into a set whose storage already
// holds all columns (emptied, not freed: parsing alone), or into an empty set
// (parsing and the set's fresh storage, let go within the timing as
// BM_TouchFreshSet lets its set go).
void ReadFullText(benchmark::State& state, Storage storage) {
    const std::string& text = FullBetText();
    auto set = std::make_unique<CColumnSet>(storage == Storage::kHeld ? kAllColumns : 0);
    for (auto _ : state) {
        state.PauseTiming();
        std::istringstream in(text);
        set->Truncate(0);
        state.ResumeTiming();
        const BetReadResult result = ReadBet(in, *set);
        benchmark::DoNotOptimize(result);
        CheckFullRead(state, result);
        if (storage == Storage::kFresh) {
            set = std::make_unique<CColumnSet>();
        }
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(text.size()));
}

void BM_ReadBetParse(benchmark::State& state) {
    ReadFullText(state, Storage::kHeld);
}
BENCHMARK(BM_ReadBetParse)->Unit(benchmark::kMillisecond);

void BM_ReadBetFull(benchmark::State& state) {
    ReadFullText(state, Storage::kFresh);
}
BENCHMARK(BM_ReadBetFull)->Unit(benchmark::kMillisecond);

void CheckFullStrictRead(benchmark::State& state, const BetFileRead& read) {
    if (!read.Ok() || read.columns != kAllColumns) {
        state.SkipWithError("the full set did not read back strictly");
    }
}

// ReadBetStrictly of the full text from memory into a set whose storage
// already holds all columns: the strict grammar's parsing, against
// BM_ReadBetParse.
void BM_ReadBetStrictParse(benchmark::State& state) {
    const std::string& text = FullBetText();
    const auto set = std::make_unique<CColumnSet>(kAllColumns);
    for (auto _ : state) {
        state.PauseTiming();
        std::istringstream in(text);
        set->Truncate(0);
        state.ResumeTiming();
        const BetFileRead read = ReadBetStrictly(in, *set);
        benchmark::DoNotOptimize(read);
        CheckFullStrictRead(state, read);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(text.size()));
}
BENCHMARK(BM_ReadBetStrictParse)->Unit(benchmark::kMillisecond);

// From the file on disk (in the page cache) into an empty set.
void BM_OpenBetFile(benchmark::State& state) {
    const std::filesystem::path& path = FullBetFile();
    for (auto _ : state) {
        CColumnSet set;
        const BetReadResult result = ReadBet(path, set);
        benchmark::DoNotOptimize(result);
        CheckFullRead(state, result);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(FullBetText().size()));
}
BENCHMARK(BM_OpenBetFile)->Unit(benchmark::kMillisecond);

// The same strictly, against BM_OpenBetFile.
void BM_OpenBetFileStrictly(benchmark::State& state) {
    const std::filesystem::path& path = FullBetFile();
    for (auto _ : state) {
        CColumnSet set;
        const BetFileRead read = ReadBetStrictly(path, set);
        benchmark::DoNotOptimize(read);
        CheckFullStrictRead(state, read);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(FullBetText().size()));
}
BENCHMARK(BM_OpenBetFileStrictly)->Unit(benchmark::kMillisecond);

}  // namespace
