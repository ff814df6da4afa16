// The expected prize of every column, and of bets from one column to all of
// them, on the example forecast with a public that leans to the favourites.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <filesystem>
#include <vector>

#include "core/column.h"
#include "forecast/strict_forecast_file.h"
#include "value/bet_value.h"
#include "value/column_values.h"

using namespace lumo;

namespace {

// Takings of a usual round: 3,333,333 columns at 0,75 €.
constexpr double kTakings = 2'500'000.0;

Round ExampleRound() {
    Round round;
    const ForecastFileRead forecast =
        ReadForecastStrictly(std::filesystem::path(LUMO_EXAMPLES_DIR) / "pronostico.txt");
    round.real = ProbabilitiesOfForecast(forecast.table);
    // The public plays the forecast's favourite more than it deserves.
    for (std::size_t m = 0; m < round.public_.size(); ++m) {
        double sum = 0.0;
        for (std::size_t s = 0; s < 3; ++s) {
            const double real = round.real[m][s];
            round.public_[m][s] = 0.02 + real * real;
            sum += round.public_[m][s];
        }
        for (double& share : round.public_[m]) {
            share /= sum;
        }
    }
    round.takings = kTakings;
    return round;
}

void BM_ColumnValues(benchmark::State& state) {
    const Round round = ExampleRound();
    double best = 0.0;
    for (auto _ : state) {
        const std::vector<double> values = ColumnValues(round);
        best = values[0];
        benchmark::DoNotOptimize(best);
    }
}
BENCHMARK(BM_ColumnValues)->Unit(benchmark::kMillisecond)->UseRealTime();

// Argument: the bet's size; its columns are spread evenly over the indices.
void BM_BetValue(benchmark::State& state) {
    const Round round = ExampleRound();
    const auto size = static_cast<std::int32_t>(state.range(0));
    std::vector<std::int32_t> bet;
    for (std::int32_t i = 0; i < size; ++i) {
        bet.push_back(static_cast<std::int32_t>(std::int64_t{i} * kAllColumns / size));
    }
    BetValue value;
    for (auto _ : state) {
        value = ValueOfBet(round, bet);
        benchmark::DoNotOptimize(value);
    }
    state.counters["euros"] = value.expected;
    state.counters["cash"] = value.cashChance;
}
BENCHMARK(BM_BetValue)
    ->Arg(1)
    ->Arg(10'000)
    ->Arg(300'000)
    ->Arg(1'000'000)
    ->Arg(kAllColumns)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace
