#include "forecast/forecast_table.h"

#include <algorithm>

CForecastTable::CForecastTable() {
    rows.fill(kConstructedRow);
}

CForecastTable forecastTable;
CForecastTable expectationTable;
std::int32_t minSum = 14 * 27;
std::int32_t maxSum = 14 * 40;
bool averageMode = false;

void UpdateScoreBounds(const CForecastTable& table) {
    std::int64_t low = 0;
    std::int64_t high = 0;
    for (const auto& row : table.rows) {
        low += *std::min_element(row.begin(), row.end());
        high += *std::max_element(row.begin(), row.end());
    }
    // Sums of hand-written values that do not fit are clamped to the 32-bit range.
    const auto clamp32 = [](std::int64_t value) {
        return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, INT32_MIN, INT32_MAX));
    };
    minSum = clamp32(low);
    maxSum = clamp32(high);
}
