#pragma once

#include "core/column.h"

namespace lumo::internal {

// Sorts the columns [first, last) by score, highest first, in place. Equal
// scores keep no defined order.
//
// When the scores span at most kMaxScoreBuckets values (normalised scores
// 0..100, average mode, bets of unscored columns) this is an in-place
// counting sort: one pass counts the scores (two when they lie far from the
// first column's), a second moves each column straight into the region of its
// score. Wider spans fall back to std::sort. Throws std::bad_alloc, with the
// range untouched, when the counters cannot be had.
void SortColumnsByScore(CColumn* first, CColumn* last);

inline constexpr std::int64_t kMaxScoreBuckets = 1 << 16;

}  // namespace lumo::internal
