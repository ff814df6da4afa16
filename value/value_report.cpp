#include "value/value_report.h"

#include <algorithm>

#include "value/column_values.h"

namespace lumo {

std::vector<std::int32_t> IndicesOf(const CColumnSet& set) {
    std::vector<std::int32_t> indices;
    indices.reserve(static_cast<std::size_t>(set.Count()));
    for (const CColumn& column : set) {
        indices.push_back(column.Index());
    }
    return indices;
}

ValueHistogram HistogramOf(const std::vector<double>& values, std::span<const std::int32_t> bet,
                           std::int32_t bins) {
    ValueHistogram histogram;
    if (bet.empty() || bins < 1) {
        return histogram;
    }
    const auto valueOf = [&values](std::int32_t index) {
        return values[static_cast<std::size_t>(index)];
    };
    const auto [lowest, highest] = std::minmax_element(
        bet.begin(), bet.end(),
        [&valueOf](std::int32_t a, std::int32_t b) { return valueOf(a) < valueOf(b); });
    histogram.low = valueOf(*lowest);
    histogram.high = valueOf(*highest);
    const double span = histogram.high - histogram.low;
    const std::int32_t used = span > 0.0 ? bins : 1;
    histogram.width = span / used;
    histogram.counts.assign(static_cast<std::size_t>(used), 0);
    for (const std::int32_t index : bet) {
        const double offset = span > 0.0 ? (valueOf(index) - histogram.low) / histogram.width : 0.0;
        const auto bin = std::min(static_cast<std::int32_t>(offset), used - 1);
        ++histogram.counts[static_cast<std::size_t>(bin)];
    }
    return histogram;
}

ValueReport ReportValue(const Round& round, std::span<const std::int32_t> bet,
                        const std::optional<std::vector<std::int32_t>>& reduction) {
    ValueReport report;
    report.columnValues = ColumnValues(round);
    report.bet = ValueOfBet(round, bet);
    if (reduction) {
        report.reduction = ValueOfBet(round, *reduction);
    }
    report.histogram = HistogramOf(report.columnValues, bet, kHistogramBins);
    return report;
}

}  // namespace lumo
