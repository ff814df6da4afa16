#pragma once

#include <array>

#include "core/forecast_table.h"
#include "value/value_options.h"

namespace lumo {

// One value per match and sign: 14 rows (match 1 first) of 1, X and 2, each
// row a probability distribution (non-negative, adding up to 1).
using MatchTable = std::array<std::array<double, 3>, 14>;

// The real probabilities of a forecast: its percentages over 100. A row that
// does not add up to 100 gives a row that does not add up to 1.
MatchTable ProbabilitiesOfForecast(const CForecastTable& forecast);

// What the expected prize of a round depends on.
struct Round {
    MatchTable real{};  // real probabilities of each result
    MatchTable
        publicShares{};    // the public's shares: the chance that a column played picks each sign
    double takings = 0.0;  // euros played in the round, all columns
    double columnPrice = kDefaultColumnPrice;  // euros, above 0
    double jackpot = 0.0;                      // euros carried into the Especial
    double plenoChance = kDefaultPlenoChance;  // that the player's Pleno al 15 is right
};

// The prize funds of a round, in euros, and the number of columns played.
struct Funds {
    std::array<double, 5> categories{};  // 14, 13, 12, 11 and 10 hits: index = misses
    double especial = 0.0;
    double publicColumns = 0.0;  // the takings over the price
};

Funds FundsOf(const Round& round);

}  // namespace lumo
