#pragma once

#include <cstdint>

#include "core/forecast_table.h"

namespace lumo {

// Which score a column gets from its percentage sum.
enum class ScoreMode {
    // The sum normalised to 0..100 between the bounds.
    kNormalised,
    // The sum divided by 14.
    kAverage,
};

// What a column's score is computed from: the Forecast table, the bounds of
// its percentage sums and the mode. A plain value; a default one is that of
// the constructed table (bounds 378 and 560), normalised.
struct Scoring {
    CForecastTable table;
    // Sums over the 14 rows of each row's smallest and largest value.
    std::int32_t minSum = 14 * CForecastTable::kConstructedRow[2];
    std::int32_t maxSum = 14 * CForecastTable::kConstructedRow[0];
    ScoreMode mode = ScoreMode::kNormalised;
};

// The scoring of a loaded table: its bounds computed from its values as they
// stand, sums that do not fit clamped to the 32-bit range.
Scoring ScoringOf(const CForecastTable& table, ScoreMode mode = ScoreMode::kNormalised);

// The score of a column whose chosen table values add up to `sum`, computed
// in 64 bits: in average mode sum / 14 (truncated) clamped to the 32-bit
// range; otherwise (sum - minSum) * 100 / (maxSum - minSum) clamped to
// 0..100, and 100 for every sum when the two bounds are equal.
std::int32_t ScoreForSum(const Scoring& scoring, std::int64_t sum);

}  // namespace lumo
