#pragma once

#include <array>
#include <string>

#include "core/column.h"
#include "core/forecast_table.h"

namespace lumo {

// The 14 lines, match 1 first, that the window lists for a table; row k of a
// list always shows match k + 1.

// Each row as "%02d %02d %02d" of its 1, X and 2 values: at least two digits,
// zero-padded, single blanks between ("40 33 27", "05", "100", "-5"). Used
// for the Forecast table and for the bet shares.
std::array<std::string, kMatches> ForecastRowTexts(const CForecastTable& table);

// Each row as "%.1f %.1f %.1f" of its values times 0.01, the product taken in
// single precision and then printed as a double: 150 shows as 1.5, the
// constructed row as "0.4 0.3 0.3", and 35 as 0.3 (0.35 in single precision
// lies just below the halfway point). Always with a decimal point, whatever
// the locale.
std::array<std::string, kMatches> ExpectationRowTexts(const CForecastTable& table);

}  // namespace lumo
