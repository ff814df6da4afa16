#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "core/column.h"
#include "core/column_set.h"
#include "core/forecast_table.h"

namespace lumo {

// The window lists a bet's first 500 columns, and counts the shares over
// the same ones.
inline constexpr std::int32_t kMaxListedColumns = 500;

// For each match and result, the percentage of the bet's first
// min(Count(), kMaxListedColumns) columns that have that result there, truncated
// (cell * 100 / columns counted). Dividing by the columns counted rather than
// by the whole count keeps the shares percentages for a large bet. All cells
// are 0 for an empty bet. Counted by CountResultsPerMatch; reads only Count()
// and the results of the counted columns.
CForecastTable ComputeBetShares(const CColumnSet& bet);

// The rows of ComputeBetShares in the Forecast format ("%02d %02d %02d").
std::array<std::string, kMatches> BetShareRowTexts(const CColumnSet& bet);

}  // namespace lumo
