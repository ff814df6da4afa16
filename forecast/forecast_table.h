#pragma once

#include <array>
#include <cstdint>

// One value per match and result: 14 rows (match 1 first) of three values in
// the order 1, X, 2. Used for the percentages of the forecast and for the
// expectation factors in hundredths. No invariant is enforced: values may be
// negative, above 100, and a row need not add up to 100.
struct CForecastTable {
    static constexpr std::array<std::int32_t, 3> kConstructedRow{40, 33, 27};

    CForecastTable();

    std::array<std::array<std::int32_t, 3>, 14> rows;
};

// Program-wide scoring inputs. They live for the whole run and change only
// between operations: the tables when the forecast files are read, the flag
// when the average check box is clicked.
extern CForecastTable forecastTable;
extern CForecastTable expectationTable;

// Sums over the 14 forecast rows of each row's smallest and largest value.
// They start as those of the constructed table (378 and 560).
extern std::int32_t minSum;
extern std::int32_t maxSum;

// When set, ComputeScore gives the percentage sum divided by 14 instead of
// the sum normalised between minSum and maxSum.
extern bool averageMode;

// Recomputes minSum and maxSum from the values of the table as they stand.
void UpdateScoreBounds(const CForecastTable& table);
