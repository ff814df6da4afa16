#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "core/column_set.h"

// True when some column of the set agrees with `column` in at least
// 14 - distance matches. False for an empty set. Marks are not looked at.
bool AnyWithin(const CColumnSet& set, const CColumn& column, std::int32_t distance);

// The first unmarked column of the universe with the highest score above 0,
// or nullptr. Reports i*100/count at unmarked columns whose index i is a
// multiple of 10,000.
CColumn* PickBestUnmarked(CColumnSet& universe);

// Marks every unmarked universe column within `distance` of `column` and
// returns how many it marked. Reports like PickBestUnmarked.
std::int32_t MarkCovered(CColumnSet& universe, CColumn column, std::int32_t distance);

// One greedy covering step: picks the best unmarked universe column, marks
// its neighbourhood and adds the number marked to bet.covered. Returns the
// universe's own slot of the picked column (now marked), or nullptr when
// nothing is left to pick; then nothing changes.
CColumn* ReduceStep(CColumnSet& bet, CColumnSet& universe, std::int32_t distance);

// Counts of columns with 14, 13, 12, 11 and 10 hits against one column.
using HitCounters = std::array<std::int32_t, 5>;

// Fills `counters` and returns the number of columns with hits >= threshold.
std::int32_t HitStatistics(const CColumnSet& set, const CColumn& column, HitCounters& counters,
                           std::int32_t threshold);

// The distance reduction's predicate for CColumnSet::Filter over `kept`, the
// set being filtered: keeps a column when no column kept so far lies within
// `distance` of it. Must see every column of one Filter pass, in order, so
// that the columns it keeps are exactly the set's kept prefix.
class NotNearKept {
public:
    NotNearKept(const CColumnSet& kept, std::int32_t distance);
    bool operator()(const CColumn& column);

private:
    const CColumnSet& kept;
    std::int32_t distance;
};
