#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "core/column.h"
#include "core/column_set.h"
#include "forecast/forecast_table.h"

// The columns the shares are counted over: the first ones of the bet, as
// many as the column list shows.
inline constexpr std::int32_t kShareColumns = 500;

// For each match and result, the percentage of the bet's first
// min(Count(), kShareColumns) columns that have that result there, truncated
// (cell * 100 / columns counted). Dividing by the columns counted rather than
// by the whole count keeps the shares percentages for a large bet. All cells
// are 0 for an empty bet. A result code above 2 counts under 2, as WriteText
// writes it. Reads only Count() and the results of the counted columns.
CForecastTable ComputeBetShares(const CColumnSet& bet);

// The rows of ComputeBetShares in the Forecast format ("%02d %02d %02d").
std::array<std::string, kMatches> BetShareRowTexts(const CColumnSet& bet);
