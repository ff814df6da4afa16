// The expected prize of every column, and of bets from one column to all of
// them, on the example forecast with a public that leans to the favourites.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <numeric>
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
    for (std::size_t m = 0; m < round.publicShares.size(); ++m) {
        double sum = 0.0;
        for (std::size_t s = 0; s < 3; ++s) {
            const double real = round.real[m][s];
            round.publicShares[m][s] = 0.02 + real * real;
            sum += round.publicShares[m][s];
        }
        for (double& share : round.publicShares[m]) {
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

// Times the value of `bet` and reports its euros and chance of cashing.
void TimeBetValue(benchmark::State& state, const Round& round,
                  const std::vector<std::int32_t>& bet) {
    BetValue value;
    for (auto _ : state) {
        value = ValueOfBet(round, bet);
        benchmark::DoNotOptimize(value);
    }
    state.counters["euros"] = value.expected;
    state.counters["cash"] = value.cashChance;
}

// Argument: the bet's size; its columns are spread evenly over the indices.
void BM_BetValue(benchmark::State& state) {
    const Round round = ExampleRound();
    const auto size = static_cast<std::int32_t>(state.range(0));
    std::vector<std::int32_t> bet;
    for (std::int32_t i = 0; i < size; ++i) {
        bet.push_back(static_cast<std::int32_t>(std::int64_t{i} * kAllColumns / size));
    }
    TimeBetValue(state, round, bet);
}
BENCHMARK(BM_BetValue)
    ->Arg(1)
    ->Arg(10'000)
    ->Arg(300'000)
    ->Arg(1'000'000)
    ->Arg(kAllColumns)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// Argument: the bet's size; its columns are those of highest value, close
// to one another, so that many share each category.
void BM_BetValueBest(benchmark::State& state) {
    const Round round = ExampleRound();
    const std::vector<double> values = ColumnValues(round);
    std::vector<std::int32_t> bet(values.size());
    std::iota(bet.begin(), bet.end(), 0);
    const auto size = static_cast<std::ptrdiff_t>(state.range(0));
    std::partial_sort(
        bet.begin(), bet.begin() + size, bet.end(), [&values](std::int32_t a, std::int32_t b) {
            return values[static_cast<std::size_t>(a)] > values[static_cast<std::size_t>(b)];
        });
    bet.resize(static_cast<std::size_t>(size));
    TimeBetValue(state, round, bet);
}
BENCHMARK(BM_BetValueBest)
    ->Arg(1'000)
    ->Arg(30'000)
    ->Arg(300'000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace
