#pragma once

#include <cstdint>
#include <filesystem>
#include <iosfwd>

#include "core/forecast_table.h"

namespace lumo {

// The forecast files, "pronostico.txt" (percentages) and "esperanza.txt"
// (expectation factors in hundredths), share one grammar: 42 integers, each
// an optional sign and decimal digits, separated by any white space (blank,
// tab, CR, LF, VT, FF), filling the table row by row (match 1's 1, X, 2,
// then match 2, ...). Whatever follows the 42nd value is not read.
//
// Reading stops at the first failed read: the end of the text, a character
// that is neither white space, a sign nor a digit where a number should
// start, a sign without digits, a number that does not fit in 32 bits or
// has more than 128 digits (an endless one is given up on after 129), or a
// read error. The failing cell and every later one keep the values they had,
// so a short or damaged file changes only the cells before the failure. A
// file that begins with a byte-order mark therefore reads no value. Nothing
// is reported except the "ERROR" texts below.

// What LoadForecast read: the table, its cells not read keeping the
// constructed values, and how many rows do not add up to 100.
struct ForecastLoad {
    CForecastTable table;
    std::int32_t errors = 0;
};

// Reads the Forecast table over a constructed one. After each row, writes
// "ERROR" (no line end) to `diagnostics` when the row's three values as they
// now stand do not add up to exactly 100 (the sum is taken without
// overflow), and flushes it at once; the values stay as read. Changes
// nothing else: the caller makes its Scoring from the table (ScoringOf).
ForecastLoad LoadForecast(std::istream& in, std::ostream& diagnostics);

// The same from a file. A file that is missing, unreadable or a folder reads
// no value: every row of the constructed table is still checked.
ForecastLoad LoadForecast(const std::filesystem::path& path, std::ostream& diagnostics);

// Reads the Expectation table over a constructed one: the same grammar and
// failure rules, no check and no diagnostics.
CForecastTable LoadExpectation(std::istream& in);
CForecastTable LoadExpectation(const std::filesystem::path& path);

}  // namespace lumo
