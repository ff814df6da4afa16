#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "core/column_set.h"
#include "value/bet_value.h"
#include "value/round.h"

namespace lumo {

// How the expected prizes of a bet's columns spread: `counts[i]` columns
// worth from low + i·width up to (not including) low + (i + 1)·width, the
// last bin holding the highest value, `high`, too.
struct ValueHistogram {
    double low = 0.0;
    double high = 0.0;
    double width = 0.0;
    std::vector<std::int32_t> counts;
};

// Everything the expected prize says of a bet and of its reduction.
struct ValueReport {
    std::vector<double> columnValues;  // every column's, by CColumn::Index() (ColumnValues)
    BetValue bet;
    std::optional<BetValue> reduction;  // when a reduction was given
    ValueHistogram histogram;           // of the bet's columns
};

// The indices (CColumn::Index()) of the set's columns, in order.
std::vector<std::int32_t> IndicesOf(const CColumnSet& set);

// The histogram of the values of the columns `bet` (indices into `values`)
// in `bins` bins of equal width from the lowest to the highest; one bin of
// width 0 when they are all equal, none for an empty bet.
ValueHistogram HistogramOf(const std::vector<double>& values, std::span<const std::int32_t> bet,
                           std::int32_t bins);

// ColumnValues, ValueOfBet of the bet and, with one, of the reduction, and
// the histogram of the bet in kHistogramBins bins. Takes seconds on every
// hardware thread; throws std::bad_alloc when the memory is not to be had.
inline constexpr std::int32_t kHistogramBins = 12;
ValueReport ReportValue(const Round& round, std::span<const std::int32_t> bet,
                        const std::optional<std::vector<std::int32_t>>& reduction);

}  // namespace lumo
