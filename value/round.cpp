#include "value/round.h"

namespace lumo {

MatchTable ProbabilitiesOfForecast(const CForecastTable& forecast) {
    MatchTable table{};
    for (std::size_t m = 0; m < table.size(); ++m) {
        for (std::size_t s = 0; s < 3; ++s) {
            table[m][s] = forecast.rows[m][s] / 100.0;
        }
    }
    return table;
}

Funds FundsOf(const Round& round) {
    Funds funds;
    for (std::size_t misses = 0; misses < funds.categories.size(); ++misses) {
        funds.categories[misses] = kCategoryShares[misses] * round.takings;
    }
    funds.especial = kEspecialShare * round.takings + round.jackpot;
    funds.publicColumns = round.takings / round.columnPrice;
    return funds;
}

}  // namespace lumo
