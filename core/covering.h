#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "core/column_set.h"

namespace lumo {

// True when some column of the set agrees with `column` in at least
// 14 - distance matches. False for an empty set. Marks are not looked at.
// Reports nothing.
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

// Fills `counters` with the numbers of the set's columns that have 14, 13,
// 12, 11 and 10 hits against `column` and returns the number with hits >=
// threshold. Marks are ignored; reports nothing.
std::int32_t HitStatistics(const CColumnSet& set, const CColumn& column, HitCounters& counters,
                           std::int32_t threshold);

// The distance reduction's predicate for CColumnSet::Filter over `kept`, the
// set being filtered: keeps a column when no column kept so far lies within
// `distance` of it, exactly as !AnyWithin(kept, column, distance) would.
//
// It remembers the neighbourhoods of the columns it has kept in a bitmap of
// kAllColumns bits, so that testing a column is one bit lookup; it relies on
// each column it keeps being appended to `kept` before the next call (as
// Filter does). When the set's count is not the number it has kept, it
// rebuilds the bitmap from the set's columns. The constructor allocates the
// bitmap (about 600 kB) and may throw std::bad_alloc.
class NotNearKept {
  public:
    NotNearKept(const CColumnSet& kept, std::int32_t distance);
    bool operator()(const CColumn& column);

  private:
    void Keep(const CColumn& column);
    void MarkNeighbourhood(const CColumn& column);
    void Rebuild();

    const CColumnSet& kept;
    std::int32_t distance;
    std::vector<std::uint64_t> near;  // bit i: column i lies within distance of a kept one
    std::int32_t keptSoFar = 0;
};

inline bool NotNearKept::operator()(const CColumn& column) {
    if (kept.Count() != keptSoFar) {
        Rebuild();
    }
    const auto index = static_cast<std::uint32_t>(column.Index());
    if (((near[index / 64] >> (index % 64)) & 1) != 0) {
        return false;
    }
    Keep(column);
    return true;
}

}  // namespace lumo
