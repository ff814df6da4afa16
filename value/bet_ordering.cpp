#include "value/bet_ordering.h"

#include <algorithm>

namespace lumo {

namespace {

double ValueOf(const std::vector<double>& values, const CColumn& column) {
    return values[static_cast<std::size_t>(column.Index())];
}

}  // namespace

void SortByValue(CColumnSet& bet, const std::vector<double>& values) {
    std::vector<CColumn> columns(bet.begin(), bet.end());
    std::stable_sort(columns.begin(), columns.end(), [&values](const CColumn& a, const CColumn& b) {
        return ValueOf(values, a) > ValueOf(values, b);
    });
    for (std::size_t i = 0; i < columns.size(); ++i) {
        bet[static_cast<std::int32_t>(i)] = columns[i];
    }
}

void KeepValueAtLeast(CColumnSet& bet, const std::vector<double>& values, double euros) {
    bet.Filter(
        [&values, euros](const CColumn& column) { return ValueOf(values, column) >= euros; });
}

std::unique_ptr<CColumnSet> ValueAtLeast(const CColumnSet& bet, const std::vector<double>& values,
                                         double euros) {
    auto kept = std::make_unique<CColumnSet>(bet.Count());
    for (const CColumn& column : bet) {
        if (ValueOf(values, column) >= euros) {
            kept->AppendNoGrow(column);
        }
    }
    return kept;
}

}  // namespace lumo
