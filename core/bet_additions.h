#pragma once

#include <cstdint>
#include <span>

#include "core/column_set.h"
#include "core/forecast_table.h"
#include "core/memory_outcome.h"

namespace lumo {

// The hidden tools that add columns to a bet. Each makes room for all it adds
// before it adds anything, so that when the room cannot be had it returns
// kNoMemory and the bet is as it was. None reports progress.

// Makes room for `more` columns after the bet's last one (more >= 0);
// kNoMemory when the storage cannot be had or the count would pass INT32_MAX.
// The columns are unchanged either way.
MemoryOutcome ReserveMore(CColumnSet& bet, std::int64_t more);

// Appends `n` columns drawn by CColumn::Randomize over `table`, score 0 and
// not marked. A negative `n` removes the last -n columns instead (all of
// them when the bet holds fewer) and always succeeds.
MemoryOutcome AppendRandomColumns(CColumnSet& bet, std::int32_t n, const CForecastTable& table);

// For each key in order, appends the 28 neighbours of column `key`
// (Neighbour with changes 0..27, score and mark kept); a key at or beyond the
// count, a row of a column the bet no longer holds, adds nothing. Room is
// made for 28 columns per key.
MemoryOutcome AppendNeighbours(CColumnSet& bet, std::span<const int> keys);

// Appends the 784 columns Neighbour(Neighbour(column key, outer), inner) for
// outer and inner 0..27, outer first: every column within distance 2 of the
// column, with repetitions. A key at or beyond the count adds nothing.
MemoryOutcome AppendSecondNeighbours(CColumnSet& bet, int key);

}  // namespace lumo
