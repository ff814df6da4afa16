// A file of conditions on all columns: each kind of condition alone, and a
// file of 20 with 3 allowed failures, beside the plain score cut on the same
// columns. Real time, since the conditions are measured on every core.
#include <benchmark/benchmark.h>

#include <array>
#include <random>
#include <sstream>
#include <string_view>
#include <vector>

#include "bench/timed_pass.h"
#include "conditions/condition_evaluation.h"
#include "conditions/condition_reader.h"
#include "core/column_predicates.h"

using namespace lumo;

namespace {

// One condition of each kind, each about as selective as a player writes it.
constexpr std::array<std::string_view, 11> kAlone{
    "unos 5-9",
    "variantes 4-9",
    "interrupciones 6-10",
    "racha 1-4",
    "racha X 0-2",
    "grupo 1-4,7,9 X2 1-3",
    "base 1X1121X21X1X21 5-12",
    "puntuacion 40-100",
    "probabilidad 0,00001-100",
    "valor 0,2-1",
    "! doses 1-6",
};

constexpr std::string_view kTwenty =
    "unos 4-9\nequis 2-6\ndoses 1-5\nvariantes 5-10\ninterrupciones 5-11\nracha 1-4\n"
    "racha 1 0-4\nracha X 0-3\nracha 2 0-3\ngrupo 1-4 X 0-2\ngrupo 5-8 2 0-2\n"
    "grupo 1-4,7,9 X2 1-4\ngrupo 10-14 1 1-4\nbase 1X1121X21X1X21 4-12\n"
    "base 11111111111111 3-11\npuntuacion 30-100\nprobabilidad 0,000005-100\n"
    "valor 0,1-1\n! unos 3-10\n! doses 0-6\nfallos 3\n";

ConditionFile FileOf(std::string_view text) {
    std::istringstream in{std::string(text)};
    return ReadConditions(in).file;
}

// The inputs: the set's forecast (the constructed table) and made-up values.
const ConditionInputs& Inputs() {
    static const std::vector<double> values = [] {
        std::mt19937 engine(3);
        std::uniform_real_distribution<double> euros(0.0, 1.0);
        std::vector<double> drawn(kAllColumns);
        for (double& value : drawn) {
            value = euros(engine);
        }
        return drawn;
    }();
    static const ConditionInputs inputs{Scoring().table, values};
    return inputs;
}

void TimeConditions(benchmark::State& state, const ConditionFile& file) {
    const QuietProgress quiet;
    TimePassOnCopy(state, FullSetInIndexOrder(), kAllColumns,
                   [&](CColumnSet& set) { ApplyConditions(set, file, Inputs()); });
}

// Argument: the condition's place in kAlone.
void BM_ConditionAlone(benchmark::State& state) {
    const std::string_view line = kAlone[static_cast<std::size_t>(state.range(0))];
    state.SetLabel(std::string(line));
    TimeConditions(state, FileOf(line));
}
BENCHMARK(BM_ConditionAlone)
    ->DenseRange(0, kAlone.size() - 1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

void BM_TwentyConditions(benchmark::State& state) {
    TimeConditions(state, FileOf(kTwenty));
}
BENCHMARK(BM_TwentyConditions)->Unit(benchmark::kMillisecond)->UseRealTime();

// Reference: the score cut of lumo-cli filter --above on the same columns.
void BM_ScoreCut(benchmark::State& state) {
    const QuietProgress quiet;
    TimePassOnCopy(state, FullSetInIndexOrder(), kAllColumns,
                   [](CColumnSet& set) { set.Filter(ScoreAbove{40}); });
}
BENCHMARK(BM_ScoreCut)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
