#include "core/scoring.h"

#include <algorithm>

namespace lumo {

namespace {

std::int32_t Clamp32(std::int64_t value) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, INT32_MIN, INT32_MAX));
}

}  // namespace

Scoring ScoringOf(const CForecastTable& table, ScoreMode mode) {
    std::int64_t low = 0;
    std::int64_t high = 0;
    for (const auto& row : table.rows) {
        low += *std::min_element(row.begin(), row.end());
        high += *std::max_element(row.begin(), row.end());
    }
    return Scoring{.table = table, .minSum = Clamp32(low), .maxSum = Clamp32(high), .mode = mode};
}

std::int32_t ScoreForSum(const Scoring& scoring, std::int64_t sum) {
    constexpr std::int64_t kMatchCount = 14;
    if (scoring.mode == ScoreMode::kAverage) {
        return Clamp32(sum / kMatchCount);
    }
    if (scoring.maxSum == scoring.minSum) {
        return 100;
    }
    // Sums of a hand-written table can overrun bounds that were clamped to
    // 32 bits: the score still stays within 0..100.
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        (sum - scoring.minSum) * 100 / (static_cast<std::int64_t>(scoring.maxSum) - scoring.minSum),
        0, 100));
}

}  // namespace lumo
